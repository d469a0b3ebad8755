#include "text_controls.h"

#include "answer_bounds.h"
#include "fitting_text.h"
#include "messages.h"
#include "records.h"
#include "unread_windows.h"
#include "window_text.h"
#include "wrap_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

namespace {

constexpr int kSmallFrameHeight = 21;  // pixels; lower framed edits get a small box
constexpr int kComboMarkColumns = 4;

// Owner-drawn lists without strings answer a text request with their item
// data; their entries are shown empty.
bool HasListStrings(HWND hwnd)
{
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    return !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (style & LBS_HASSTRINGS);
}

bool HasComboStrings(HWND hwnd)
{
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    return !(style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) || (style & CBS_HASSTRINGS);
}

bool ReadListEntry(HWND hwnd, bool hasStrings, int index, std::string* entry)
{
    if (!hasStrings) {
        entry->clear();
        return true;
    }
    return ReadFittingText([&] { return ListBox_GetTextLength(hwnd, index); },
                           [&](wchar_t* buffer, int) { return ListBox_GetText(hwnd, index, buffer); }, entry);
}

std::string ComboSelection(HWND hwnd)
{
    const int selected = ComboBox_GetCurSel(hwnd);
    std::string text;
    if (selected == CB_ERR || !HasComboStrings(hwnd))
        return text;
    ReadFittingText([&] { return ComboBox_GetLBTextLength(hwnd, selected); },
                    [&](wchar_t* buffer, int) { return ComboBox_GetLBText(hwnd, selected, buffer); }, &text);
    return text;
}

// The typed text of an editable combo box lives in its edit child, which
// must be asked: the title the system holds for an edit of another process
// is not its text.
std::string ComboEditText(HWND hwnd)
{
    HWND child = GetTopWindow(hwnd);
    if (!child)
        return {};
    GetClassNameA(child, ScratchText, kScratchTextSize);
    return std::strcmp(ScratchText, "Edit") == 0 ? AskWindowText(child) : std::string();
}

void PadWithSpaces(std::string& text, int count)
{
    if (count > 0)
        text.append(static_cast<size_t>(count), ' ');
}

void PadToEvenLength(std::string& text)
{
    if (text.size() % 2 != 0)
        text += ' ';
}

// The entries of a whole-window capture are those that fit the box: from the
// first visible one up to capacity + 1 further ones.
struct EntryRange {
    int first;
    bool all;
    int64_t last;  // when not all
};

// Entries beyond the item table's room are never read.
int ListBoxEntryCount(HWND hwnd)
{
    const BoundedCount count = BoundCount(ListBox_GetCount(hwnd), kItemLimit, INT32_MAX);
    if (count.outOfBounds)
        NoteAnswerOutOfBounds(hwnd);
    return count.value;
}

EntryRange EntriesToRead(const std::function<int()>& topIndex, const ItemRect& rect)
{
    const int32_t origin = ItemTable[0].rect.top;
    const int32_t top = (rect.top - origin) / kPixelsPerRow;
    const int32_t bottom = (rect.bottom - origin) / kPixelsPerRow;
    FitRowCount = bottom - top - 4;
    if (CaptureMode != 'O')
        return {0, true, 0};
    const int shown = topIndex();
    const int first = shown < 0 ? 0 : shown;
    const int64_t last = std::max<int64_t>(first, int64_t{first} + FitRowCount + 1);
    return {first, false, last};
}

}  // namespace

void CaptureEdit(HWND hwnd)
{
    if (InsideComboBox == 'Y')
        return;
    const bool framed = GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE;
    EnableAndFocus(hwnd);
    FormEdit(CurrentRecord(), framed, AskWindowText(hwnd));
}

void CaptureComboBox(HWND hwnd)
{
    std::string text = ComboSelection(hwnd);
    if (text.empty())
        text = ComboEditText(hwnd);
    FormComboBox(CurrentRecord(), std::move(text));
}

void FormEdit(CaptureItem& item, bool framed, std::string text)
{
    if (CaptureMode == 'O' && framed) {
        item.kind = 'B';
        item.shape = item.rect.bottom - item.rect.top < kSmallFrameHeight ? 'S' : 'L';
    }
    item.text = std::move(text);
    const int width = WidthInColumns(item.rect);
    const int length = static_cast<int>(item.text.size());
    if (!NoMuitiLine && length > width)
        WrapItemText(width, length);
}

void FormComboBox(CaptureItem& item, std::string selection)
{
    item.kind = 'B';
    item.shape = 'L';
    SetClassName(item, "ComboBox");
    item.text = std::move(selection);
    PadWithSpaces(item.text, WidthInColumns(item.rect) - static_cast<int>(item.text.size()) - kComboMarkColumns);
    PadToEvenLength(item.text);
    item.text += "│▼";
    item.rect.right = item.rect.left + kPixelsPerColumn * static_cast<int32_t>(item.text.size()) + 4;
    item.rect.top += kPixelsPerRow;
    item.rect.bottom += kPixelsPerRow;
}

void CaptureListBox(HWND hwnd)
{
    const bool hasStrings = HasListStrings(hwnd);
    FormListBox(
        CurrentRecord(), [&] { return ListBox_GetTopIndex(hwnd); }, [&] { return ListBoxEntryCount(hwnd); },
        [&](int index, std::string* entry) { return ReadListEntry(hwnd, hasStrings, index, entry); });
}

void FormListBox(CaptureItem& item, const std::function<int()>& topIndex, const std::function<int()>& count,
                 const ListEntryReader& readEntry)
{
    if (CaptureMode == 'O') {
        item.kind = 'B';
        item.shape = 'L';
    }
    SetClassName(item, "ListBox");
    const ItemRect box = item.rect;
    const EntryRange range = EntriesToRead(topIndex, box);
    const int entries = count();
    ItemRect row = box;
    std::string entry;
    for (int i = range.first; i < entries; ++i) {
        if (!readEntry(i, &entry))
            return;
        if (!AppendPlainRecord("ListBox", row, entry))
            return;
        row.top += kPixelsPerRow;
        if (!range.all && i >= range.last)
            return;
    }
}
