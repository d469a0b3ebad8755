#include "window_frame.h"

#include "capture_state.h"
#include "extent.h"
#include "rules.h"
#include "text_grid.h"

#include <algorithm>

namespace {

bool HasCaptionLetters()
{
    return ItemCount > 1 && !ItemTable[1].text.empty();
}

bool HasMenuBar()
{
    return ItemCount > 2 && ItemTable[2].kind == 'M';
}

int LastRowBefore(int64_t row)
{
    return static_cast<int>(std::min<int64_t>(row, TextGrid::kRows) - 1);
}

// The left frame edge needs columns 0 and 1: move the drawing right when
// anything was drawn there.
void MakeLeftMargin(TextGrid& grid, bool captionLetters)
{
    bool occupied = false;
    for (int y = 1; y <= LastRowBefore(GridRows); ++y)
        if (!grid.IsBlankSpan(y, 0, 2))
            occupied = true;
    if (!occupied)
        return;
    for (int y = 1; y <= LastRowBefore(GridRows); ++y) {
        if (captionLetters && y == 1) {
            // The title keeps its place unless it reaches into the edge.
            if (grid.ByteAt(1, 0) != ' ')
                grid.ShiftRowRight(1, grid.ByteAt(1, 1) != ' ' ? 2 : 1);
        } else if (!(captionLetters && y == 2)) {
            grid.ShiftRowRight(y, 2);
        }
    }
    GridCols += 2;
}

void WriteCaptionButtons(TextGrid& grid)
{
    const std::string& letters = ItemTable[1].text;
    int64_t width = static_cast<int64_t>(letters.size());
    int64_t col = GridCols % 2 != 0 ? int64_t{GridCols} + 1 - width : int64_t{GridCols} - width;
    grid.PutText(1, col, letters.data(), letters.size());
}

// A pane divider of the status bar meets the status rule above and the
// bottom edge below.  A divider one column off the two-column grid is moved
// onto it first.
void DrawStatusRuleAt(TextGrid& grid, int64_t x)
{
    int64_t textRow = int64_t{GridRows} - 1;
    int64_t ruleRow = int64_t{GridRows} - 2;
    if (grid.HoldsPiece(textRow, x, Rule::kVertical)) {
        grid.PutPiece(ruleRow, x, Rule::kTeeDown);
        grid.PutPiece(GridRows, x, HeavyRule::kHorizontalBranchUp);
    } else if (grid.HoldsPiece(textRow, x - 1, Rule::kVertical)) {
        static const char kMovedDivider[] = " \x84\xA0";  // │
        grid.PutPiece(ruleRow, x, Rule::kTeeDown);
        grid.PutText(textRow, x - 1, kMovedDivider, 3);
        grid.PutPiece(GridRows, x, HeavyRule::kHorizontalBranchUp);
    } else {
        grid.PutPiece(ruleRow, x, Rule::kHorizontal);
    }
}

void DrawHorizontalLines(TextGrid& grid, bool captionLetters, bool menuBar)
{
    bool statusBar = StatusBarSeen == 'Y';
    GridCols = static_cast<int32_t>(ForEachPairColumn(2, GridCols, [&](int64_t x) {
        grid.PutPiece(0, x, HeavyRule::kHorizontal);
        grid.PutPiece(GridRows, x, HeavyRule::kHorizontal);
        if (captionLetters) {
            bool corner = grid.HoldsPiece(2, x, Rule::kTopLeft) || grid.HoldsPiece(2, x, Rule::kTopRight);
            grid.PutPiece(2, x, corner ? Rule::kTeeDown : Rule::kHorizontal);
        }
        if (menuBar)
            grid.PutPiece(4, x, Rule::kHorizontal);
        if (statusBar)
            DrawStatusRuleAt(grid, x);
    }));
}

void DrawSideEdges(TextGrid& grid, bool captionLetters, bool menuBar)
{
    const char* titleRule = captionLetters ? HeavyRule::kVerticalBranchRight : HeavyRule::kVertical;
    grid.PutPiece(0, 0, HeavyRule::kTopLeft);
    grid.PutPiece(1, 0, HeavyRule::kVertical);
    grid.PutPiece(2, 0, titleRule);
    grid.PutPiece(GridRows, 0, HeavyRule::kBottomLeft);

    grid.PutPiece(0, GridCols, HeavyRule::kTopRight);
    grid.PutPiece(1, GridCols, HeavyRule::kVertical);
    grid.PutPiece(2, GridCols, captionLetters ? HeavyRule::kVerticalBranchLeft : HeavyRule::kVertical);
    grid.PutPiece(GridRows, GridCols, HeavyRule::kBottomRight);

    for (int y = 3; y <= LastRowBefore(GridRows); ++y) {
        bool ruleRow = (y == 4 && menuBar) || (y == int64_t{GridRows} - 2 && StatusBarSeen == 'Y');
        grid.PutPiece(y, 0, ruleRow ? HeavyRule::kVerticalBranchRight : HeavyRule::kVertical);
        grid.PutPiece(y, GridCols, ruleRow ? HeavyRule::kVerticalBranchLeft : HeavyRule::kVertical);
    }
}

}  // namespace

void DrawWindowFrame(TextGrid& grid)
{
    bool captionLetters = HasCaptionLetters();
    bool menuBar = HasMenuBar();
    MakeLeftMargin(grid, captionLetters);
    if (captionLetters && HasClassName(ItemTable[1], "Style"))
        WriteCaptionButtons(grid);
    DrawHorizontalLines(grid, captionLetters, menuBar);
    DrawSideEdges(grid, captionLetters, menuBar);
}
