#include "layout.h"

#include "capture_state.h"
#include "compaction.h"
#include "item_text.h"
#include "placement.h"
#include "text_grid.h"
#include "window_frame.h"

#include <algorithm>

namespace {

int LastDrawnRow()
{
    return static_cast<int>(std::min<int64_t>(GridRows, TextGrid::kRows - 1));
}

void StartExtents()
{
    if (ItemCount > 0) {
        GridCols = ItemTable[0].rect.right / kPixelsPerColumn;
        GridRows = ItemTable[0].rect.bottom / kPixelsPerRow;
    } else {
        GridCols = GridRows = 0;
    }
    BlockCol = BlockRow = 0;
}

void DrawRecord(TextGrid& grid, int i)
{
    CaptureItem& item = ItemTable[i];
    CurCol = item.rect.left;
    CurRow = item.rect.top;
    PrepareText(item.text);
    CurTextWidth = static_cast<int32_t>(item.text.size());
    DrawItemFrame(grid, i);
    PlaceInBlock(i);
    if (TextGrid::Contains(CurRow, CurCol))
        DrawItemText(grid, i);
}

// Ends every row after the right frame edge.
void CutRows(TextGrid& grid)
{
    int64_t cut = int64_t{GridCols} + 2;
    if (cut >= TextGrid::kCols)
        return;
    for (int r = 0; r <= LastDrawnRow(); ++r)
        grid.CutRow(r, cut);
}

ConversionResult CollectOutput(const TextGrid& grid)
{
    ConversionResult result;
    for (int r = 0; r <= LastDrawnRow(); ++r) {
        const char* row = grid.Row(r);
        if (row[0] == '\0')
            continue;
        result.text += row;
        result.text += "\r\n";
        ++result.outputRows;
    }
    result.outputCols = GridCols;
    result.title = ItemCount > 0 ? ItemTable[0].text : std::string();
    return result;
}

}  // namespace

ConversionResult LayOutItems()
{
    TextGrid grid;
    NormaliseRects();
    StartExtents();
    for (int i = 0; i < ItemCount; ++i)
        DrawRecord(grid, i);
    GridCols += 4;
    GridRows += 1;
    if (CaptureMode == 'O')
        DrawWindowFrame(grid);
    CutRows(grid);
    RemoveBlankRows(grid);
    RemoveBlankColumns(grid);
    ConversionResult result = CollectOutput(grid);
    OutputCols = result.outputCols;
    OutputRows = result.outputRows;
    return result;
}
