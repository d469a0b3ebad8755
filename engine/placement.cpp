#include "placement.h"

#include "capture_state.h"
#include "extent.h"
#include "layout_tag.h"
#include "rules.h"
#include "text_grid.h"

#include <algorithm>

namespace {

int32_t ToCells(int32_t pixels, int32_t origin, int perCell)
{
    int64_t cells = (int64_t{pixels} - origin) / perCell;
    return cells < 0 ? 0 : static_cast<int32_t>(cells);
}

// ┌─┐ on the top row, └─┘ on the bottom row and │ on the sides of the rows
// in between; `right` is where the horizontal run starts to end.
int64_t DrawBox(TextGrid& grid, int64_t x0, int64_t top, int64_t right, int64_t bottom, int64_t sidesFrom)
{
    MergeRule(grid, top, x0 - 2, Rule::kTopLeft);
    MergeRule(grid, bottom, x0 - 2, Rule::kBottomLeft);
    int64_t e = ForEachPairColumn(x0, right, [&](int64_t x) {
        MergeRule(grid, top, x, Rule::kHorizontal);
        MergeRule(grid, bottom, x, Rule::kHorizontal);
    });
    MergeRule(grid, top, e, Rule::kTopRight);
    MergeRule(grid, bottom, e, Rule::kBottomRight);
    ForEachGridRow(sidesFrom, bottom, [&](int64_t y) {
        MergeRule(grid, y, x0 - 2, Rule::kVertical);
        MergeRule(grid, y, e, Rule::kVertical);
    });
    return e;
}

void DrawSmallBox(TextGrid& grid, int64_t x0, int64_t y0)
{
    MergeRule(grid, y0 - 1, x0 - 2, Rule::kTopLeft);
    MergeRule(grid, y0, x0 - 2, Rule::kVertical);
    MergeRule(grid, y0 + 1, x0 - 2, Rule::kBottomLeft);
    int64_t e = ForEachPairColumn(x0, x0 + CurTextWidth, [&](int64_t x) {
        MergeRule(grid, y0 - 1, x, Rule::kHorizontal);
        MergeRule(grid, y0 + 1, x, Rule::kHorizontal);
    });
    MergeRule(grid, y0 - 1, e, Rule::kTopRight);
    MergeRule(grid, y0, e, Rule::kVertical);
    MergeRule(grid, y0 + 1, e, Rule::kBottomRight);
}

void DrawRectangle(TextGrid& grid, const CaptureItem& item, int64_t x0, int64_t y0)
{
    int64_t right = int64_t{item.rect.right} - 2;
    int64_t bottom = int64_t{item.rect.bottom} - 2;
    LayoutTag tag = LayoutTagOf(item);
    if (tag == LayoutTag::ProgressBar) {
        if (item.shape == 'Y')
            bottom = y0 + 1;
        else
            right = x0 + 2;
    }
    if (tag == LayoutTag::ComboBox)
        bottom = y0 + 1;
    int64_t e = DrawBox(grid, x0, y0 - 1, right, bottom, y0);
    RaiseTo(GridCols, e);
    RaiseTo(GridRows, bottom);
}

void DrawHeaderBox(TextGrid& grid, const CaptureItem& item, int64_t x0, int64_t y0)
{
    int64_t bottom = int64_t{item.rect.bottom} - 2;
    if (CaptureMode == 'K')
        bottom = std::min<int64_t>(int64_t{ListRowCount} + 4 + y0, TextGrid::kRows);
    int64_t e = DrawBox(grid, x0, y0 - 1, int64_t{item.rect.right} - 2, bottom, y0);
    ForEachPairColumn(x0, int64_t{item.rect.right} - 2,
                      [&](int64_t x) { MergeRule(grid, y0 + 1, x, Rule::kHorizontal); });
    grid.PutPiece(y0 + 1, x0 - 2, Rule::kTeeRight);
    grid.PutPiece(y0 + 1, e, Rule::kTeeLeft);
    RaiseTo(GridCols, e);
    RaiseTo(GridRows, bottom);
}

// True when some row strictly between top and bottom holds anything but
// spaces in the pair of cells at column x.
bool ColumnPairHasContent(const TextGrid& grid, int64_t x, int64_t top, int64_t bottom)
{
    bool found = false;
    ForEachGridRow(top + 1, bottom, [&](int64_t y) {
        if (!grid.IsBlankSpan(y, x, 2))
            found = true;
    });
    return found;
}

void DrawGroupFrame(TextGrid& grid, const CaptureItem& item, int64_t x0, int64_t y0)
{
    int64_t bottom = int64_t{item.rect.bottom} - 1;
    MergeRule(grid, y0, x0 - 2, Rule::kTopLeft);
    MergeRule(grid, bottom, x0 - 2, Rule::kBottomLeft);
    auto drawEdges = [&](int64_t x) {
        MergeRule(grid, y0, x, Rule::kHorizontal);
        MergeRule(grid, bottom, x, Rule::kHorizontal);
    };
    int64_t x = ForEachPairColumn(x0, int64_t{item.rect.right} - 4, drawEdges);

    // Move the right edge past content that would otherwise be cut by it.
    int64_t e = x;
    if (ColumnPairHasContent(grid, x, y0, bottom)) {
        drawEdges(x);
        e = x + 2;
        if (ColumnPairHasContent(grid, x + 2, y0, bottom)) {
            drawEdges(x + 2);
            e = x + 4;
        }
    }
    MergeRule(grid, y0, e, Rule::kTopRight);
    MergeRule(grid, bottom, e, Rule::kBottomRight);
    ForEachGridRow(y0 + 1, bottom, [&](int64_t y) {
        MergeRule(grid, y, x0 - 2, Rule::kVertical);
        MergeRule(grid, y, e, Rule::kVertical);
    });
    RaiseTo(GridCols, e);
    RaiseTo(GridRows, bottom);
}

void DrawBoxedFrame(TextGrid& grid, const CaptureItem& item)
{
    // A corner at CurCol - 2 would cover the second half of a rule character
    // that begins one column further left: shift the record by one column.
    if (grid.ByteAt(int64_t{CurRow} - 1, int64_t{CurCol} - 3) == kRuleLeadByte)
        --CurCol;
    int64_t x0 = CurCol, y0 = CurRow;
    switch (item.shape) {
    case 'S':
        DrawSmallBox(grid, x0, y0);
        break;
    case 'L':
    case 'Y':
    case 'T':
        DrawRectangle(grid, item, x0, y0);
        break;
    case 'H':
        DrawHeaderBox(grid, item, x0, y0);
        break;
    default:
        break;
    }
}

}  // namespace

void NormaliseRects()
{
    if (ItemCount <= 0)
        return;
    int32_t originX = ItemTable[0].rect.left;
    int32_t originY = CaptureMode == 'O' ? ItemTable[0].rect.top : 0;
    for (int i = 0; i < ItemCount; ++i) {
        ItemRect& r = ItemTable[i].rect;
        r.left = ToCells(r.left, originX, kPixelsPerColumn) + 2;
        r.top = ToCells(r.top, originY, kPixelsPerRow);
        r.right = ToCells(r.right, originX, kPixelsPerColumn) + 2;
        r.bottom = ToCells(r.bottom, originY, kPixelsPerRow);
    }
    ItemTable[0].rect.top = 1;
    if (ItemCount > 2 && ItemTable[2].kind == 'M') {
        ItemTable[2].rect.left = 2;
        ItemTable[2].rect.top = 3;
    }
}

void DrawItemFrame(TextGrid& grid, int i)
{
    const CaptureItem& item = ItemTable[i];
    if (item.kind == 'B')
        DrawBoxedFrame(grid, item);
    else if (item.kind == 'G')
        DrawGroupFrame(grid, item, CurCol, CurRow);
}

void PlaceInBlock(int i)
{
    const CaptureItem& item = ItemTable[i];
    LayoutTag tag = LayoutTagOf(item);
    switch (tag) {
    case LayoutTag::TreeView:
    case LayoutTag::ListBox:
        // The first row goes on the opener's own row.
        if (item.kind == 'B' || (tag == LayoutTag::TreeView && item.kind == 'I')) {
            BlockCol = CurCol;
            BlockRow = CurRow;
        } else {
            CurCol = BlockCol;
            CurRow = BlockRow++;
        }
        break;
    case LayoutTag::ListView:
        // The first cell goes two rows below its header, past the header rule.
        if (item.kind == 'B') {
            BlockCol = CurCol;
            BlockRow = CurRow + 1;
        } else {
            ++BlockRow;
            CurCol = BlockCol;
            CurRow = BlockRow;
        }
        break;
    case LayoutTag::Button:
        CurRow = static_cast<int32_t>((int64_t{item.rect.bottom} - 2 + item.rect.top) / 2);
        break;
    default:
        break;
    }
}
