#include "item_text.h"

#include "capture_state.h"
#include "extent.h"
#include "layout_tag.h"
#include "rules.h"
#include "sjis.h"
#include "text_grid.h"

#include <algorithm>

namespace {

const std::string kDropDownMarker = "\x84\xA0\x81\xA5";  // │▼

void PutString(TextGrid& grid, int64_t row, int64_t col, const std::string& text, int64_t length)
{
    if (length > static_cast<int64_t>(text.size()))
        length = static_cast<int64_t>(text.size());
    if (length > 0)
        grid.PutText(row, col, text.data(), static_cast<size_t>(length));
}

// One grid row per line; tabs and line ends become spaces.
void DrawLines(TextGrid& grid, const std::string& text)
{
    int64_t row = int64_t{CurRow} + 2;
    size_t start = 0;
    for (;;) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        for (char& c : line)
            if (c == '\t' || c == '\r')
                c = ' ';
        PutString(grid, row, CurCol, line, static_cast<int64_t>(line.size()));
        RaiseTo(GridCols, int64_t{CurCol} + static_cast<int64_t>(line.size()));
        RaiseTo(GridRows, row);
        if (end == std::string::npos)
            break;
        start = end + 1;
        ++row;
    }
}

// The combo box's marker rule joins the box's top and bottom edges.  When
// the box turns down right above the marker it is two columns too narrow for
// the text: two of the filler spaces go.
void DrawComboBox(TextGrid& grid, std::string& text)
{
    size_t p = FindChars(text, kDropDownMarker);
    if (p != std::string::npos && p >= 2 && text.compare(p - 2, 2, "  ") == 0 &&
        grid.HoldsPiece(int64_t{CurRow} - 1, int64_t{CurCol} + p, Rule::kHorizontal) &&
        grid.HoldsPiece(int64_t{CurRow} - 1, int64_t{CurCol} + p + 2, Rule::kTopRight)) {
        text.erase(p - 2, 2);
        p -= 2;
        CurTextWidth -= 2;
    }
    PutString(grid, CurRow, CurCol, text, CurTextWidth);
    if (p != std::string::npos) {
        grid.PutPiece(int64_t{CurRow} - 1, int64_t{CurCol} + p, Rule::kTeeDown);
        grid.PutPiece(int64_t{CurRow} + 1, int64_t{CurCol} + p, Rule::kTeeUp);
    }
}

// A status bar goes on its own row when nothing lies there or below, else
// on the row below everything drawn so far.
void DrawStatusBar(TextGrid& grid, std::string& text)
{
    bool blank = true;
    for (int64_t row = CurRow; row <= GridRows && row < TextGrid::kRows; ++row)
        if (!grid.IsBlankRow(row))
            blank = false;
    if (blank)
        GridRows = CurRow;
    else
        CurRow = GridRows + 1;
    ReplaceTabsWithSpaces(text);
    PutString(grid, CurRow, CurCol, text, CurTextWidth);
}

// The row under the tab labels (y) joins the labels' dividers to the box's
// top edge (y - 2) and turns the box's edge down where the tabs end.
void DecorateTabStrip(TextGrid& grid)
{
    int64_t y = CurRow;
    int64_t x = CurCol;
    if (grid.ByteAt(y, x) != ' ')
        grid.PutPiece(y, x - 2, Rule::kTeeRight);
    while (grid.ByteAt(y - 1, x) != '~' && x < TextGrid::kCols) {
        if (grid.HoldsPiece(y - 1, x, Rule::kVertical))
            grid.PutPiece(y - 2, x, Rule::kTeeDown);
        x += 2;
    }
    grid.PutPiece(y - 2, x, Rule::kTopRight);
    grid.PutPiece(y - 1, x, Rule::kVertical);
    x += 2;
    while (grid.ByteAt(y - 1, x) == ' ') {
        grid.PutPiece(y - 2, x, "  ");
        grid.PutPiece(y, x, Rule::kHorizontal);
        x += 2;
    }
    grid.PutPiece(y - 2, x, "  ");
    grid.PutPiece(y - 1, x, "  ");
    grid.PutPiece(y, x, Rule::kTopRight);
}

void DrawGroupCaption(TextGrid& grid, std::string& text)
{
    ReplaceTabsWithSpaces(text);
    TrimTrailingWhite(text);
    // An odd caption would leave the top edge off the two-column grid.
    if (text.size() % 2 != 0)
        text += ' ';
    CurTextWidth = static_cast<int32_t>(text.size());
    PutString(grid, CurRow, CurCol, text, CurTextWidth);
}

// An ordinary label looks up to three columns to the left for free cells
// before it overwrites what lies at its own place.  Returns the column after
// the last byte it wrote.
int64_t DrawLabel(TextGrid& grid, std::string& text)
{
    ReplaceTabsWithSpaces(text);
    TrimTrailingWhite(text);
    int64_t lead = static_cast<int64_t>(TrimLeadingWhite(text));
    CurTextWidth = static_cast<int32_t>(text.size());
    int64_t home = int64_t{CurCol} + lead;
    int64_t at = home;
    bool placed = false;
    for (int64_t candidate = home; candidate >= home - 3 && candidate >= 0; --candidate) {
        if (grid.IsBlankSpan(CurRow, candidate, CurTextWidth)) {
            at = candidate;
            placed = true;
            break;
        }
    }
    if (!placed && grid.ByteAt(CurRow, home + CurTextWidth - 1) == kRuleLeadByte) {
        // Don't leave the rule character half overwritten.
        text += ' ';
        ++CurTextWidth;
    }
    PutString(grid, CurRow, at, text, CurTextWidth);
    if (CurTextWidth == 0 || at >= TextGrid::kCols)
        return 0;
    return std::min<int64_t>(at + CurTextWidth, TextGrid::kCols);
}

}  // namespace

void DrawItemText(TextGrid& grid, int i)
{
    CaptureItem& item = ItemTable[i];
    std::string& text = item.text;
    if (text.find('\n') != std::string::npos) {
        DrawLines(grid, text);
        return;
    }
    int64_t labelEnd = 0;
    switch (LayoutTagOf(item)) {
    case LayoutTag::Style:
        break;  // the window frame writes the caption buttons
    case LayoutTag::ComboBox:
        DrawComboBox(grid, text);
        break;
    case LayoutTag::StatusBar:
        DrawStatusBar(grid, text);
        break;
    case LayoutTag::TabControl:
        PutString(grid, CurRow, CurCol, text, CurTextWidth);
        if (item.shape == 'W')
            DecorateTabStrip(grid);
        break;
    case LayoutTag::Line:
        PutString(grid, CurRow, CurCol, text, CurTextWidth);
        break;
    case LayoutTag::GroupBox:
        DrawGroupCaption(grid, text);
        break;
    default:
        labelEnd = DrawLabel(grid, text);
        break;
    }
    RaiseTo(GridCols, int64_t{CurCol} + CurTextWidth);
    // A label with leading spaces ends further right than CurCol + its width.
    RaiseTo(GridCols, labelEnd);
    RaiseTo(GridRows, CurRow);
}
