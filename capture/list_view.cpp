#include "list_view.h"

#include "answer_bounds.h"
#include "fit_rows.h"
#include "messages.h"
#include "records.h"
#include "remote_buffer.h"
#include "text_grid.h"
#include "unread_windows.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr char kTag[] = "SysListView32";
constexpr char kReferenceTag[] = "SysHeader32";
constexpr char kHeaderMapping[] = "Quillscape";
constexpr char kRowMapping[] = "Quillscape2";
constexpr int32_t kReferenceTop = 100;    // origin of a lone list view's drawing
constexpr int32_t kLowestWindowTop = 28;  // a whole window's list is drawn below its title and menu
constexpr int32_t kHeaderHeight = 14;
constexpr int kColumnGap = 3;             // text columns between a column's widest text and the next
constexpr int kColumnsWithoutHeader = 9999;
// Each column starts at least kColumnGap text columns right of the one
// before: no more fit the grid, nor does a real header have them.
constexpr int64_t kColumnLimit = TextGrid::kCols / kColumnGap;
// A list view holds at most 100,000,000 items (LVM_SETITEMCOUNT).
constexpr int64_t kRowLimit = 100000000;

constexpr ChannelBlock kHeaderBlock = BlockFor(kHeaderMapping, kHeaderItemLayouts);
constexpr ChannelBlock kRowBlock = BlockFor(kRowMapping, kListItemLayouts);

// Rows beyond the item table's room are never read.
int ListView_ItemCount(HWND list)
{
    const BoundedCount rows = BoundCount(AnswerOr(0, list, LVM_GETITEMCOUNT), kRowLimit, kRowLimit);
    if (rows.outOfBounds)
        NoteAnswerOutOfBounds(list);
    return rows.value;
}

HWND ListView_Header(HWND list)
{
    return reinterpret_cast<HWND>(AnswerOr(0, list, LVM_GETHEADER));
}

int Header_ItemCount(HWND list, HWND header)
{
    const BoundedCount columns = BoundCount(AnswerOr(0, header, HDM_GETITEMCOUNT), kColumnLimit, kColumnLimit);
    if (columns.outOfBounds)
        NoteAnswerOutOfBounds(list);
    return columns.value;
}

// The header's text of the column, or what the block held before when the
// header does not answer.
std::string ReadHeaderText(RemoteBuffer& block, HWND header, int column)
{
    const HeaderItemLayout& fields = kHeaderItemLayouts.For(block.Bits());
    block.Put(fields.mask, HDI_TEXT);
    block.PointAtText(fields.pszText, fields.cchTextMax);
    block.Exchange(header, HDM_GETITEMW, static_cast<WPARAM>(column));
    return block.Text();
}

// The cell's text, or what the block held before when the list does not
// answer.
std::string ReadCellText(RemoteBuffer& block, HWND list, int row, int column)
{
    const ListItemLayout& fields = kListItemLayouts.For(block.Bits());
    block.Put(fields.iSubItem, static_cast<uint32_t>(column));
    block.PointAtText(fields.pszText, fields.cchTextMax);
    block.Exchange(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row));
    return block.Text();
}

// A list view captured alone, with nothing recorded before it, gets a
// record at index 0 that the layout takes its origin from; its own record
// follows with the same rectangle.
void AddReferenceRecord()
{
    CaptureItem& reference = ItemTable[0];
    reference.kind = ' ';
    reference.shape = ' ';
    reference.text.clear();
    reference.source = ReadingSource;
    SetClassName(reference, kReferenceTag);
    reference.rect.top = kReferenceTop;
    ItemCount = 1;
    ItemTable[1].rect = reference.rect;
}

}  // namespace

CaptureItem& StartListView()
{
    if (ItemCount == 0)
        AddReferenceRecord();
    CaptureItem& list = CurrentRecord();
    if (CaptureMode == 'O' && list.rect.top < kLowestWindowTop)
        list.rect.top = kLowestWindowTop;
    list.kind = 'B';
    list.shape = 'H';
    list.text.clear();
    SetClassName(list, kTag);
    FitRowCount = FitLineCount(list.rect);
    return list;
}

void CountListView(CaptureItem& list, int rows, bool hasHeader)
{
    ListRowCount = rows;
    if (!hasHeader)
        list.shape = 'L';
}

namespace {

int32_t ByteLength(const std::string& text)
{
    return static_cast<int32_t>(text.size());
}

// Reads one column into records: its header record (when there is a
// header) and its cells under it.  Returns the width of its widest text in
// bytes, or -1 when the item table became full.
int32_t CaptureColumn(const ListColumns& table, int column, ItemRect cell)
{
    int32_t width = 0;
    if (table.hasHeader) {
        const std::string text = table.headerText(column);
        if (!AppendPlainRecord(kTag, cell, text))
            return -1;
        CurrentRecord().kind = 'B';
        CurrentRecord().shape = 'X';
        width = std::max(width, ByteLength(text));
    }
    cell.top += kHeaderHeight;
    if (CaptureMode != 'O')
        FitRowCount = std::min(table.rows, kItemLimit) + 2;
    for (int row = 0; row < table.rows && row < FitRowCount - 2; ++row) {
        const std::string text = table.cellText(row, column);
        cell.top += kPixelsPerRow;
        if (!AppendPlainRecord(kTag, cell, text))
            return -1;
        width = std::max(width, ByteLength(text));
    }
    return width;
}

}  // namespace

void CaptureListView(HWND hwnd)
{
    CaptureItem& list = StartListView();
    const int rows = ListView_ItemCount(hwnd);
    HWND header = ListView_Header(hwnd);
    CountListView(list, rows, header != nullptr);
    const int columns = header ? Header_ItemCount(hwnd, header) : kColumnsWithoutHeader;
    RemoteChannel channel;
    if (!channel.Open(hwnd, {kHeaderBlock, kRowBlock}))
        return;
    FillListView(list, {rows, columns, header != nullptr,
                        [&](int column) { return ReadHeaderText(channel.Buffer(0), header, column); },
                        [&](int row, int column) { return ReadCellText(channel.Buffer(1), hwnd, row, column); }});
}

void FillListView(CaptureItem& list, const ListColumns& table)
{
    ItemRect next = list.rect;  // where the next column starts
    for (int column = 0; column < table.columns; ++column) {
        const int32_t width = CaptureColumn(table, column, next);
        if (width < 0)
            return;
        if (!table.hasHeader)
            break;
        next.left += (width + kColumnGap) * kPixelsPerColumn;
    }
    if (next.left > list.rect.right)
        list.rect.right = next.left;
    ListRightEdge = list.rect.right;
}
