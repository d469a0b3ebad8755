#include "other_controls.h"

#include "answer_bounds.h"
#include "caption_letters.h"
#include "messages.h"
#include "records.h"
#include "unread_windows.h"
#include "window_text.h"

#include <commctrl.h>

#include <string>

namespace {

// No more buttons are shown than the toolbar has pixels across.
int Toolbar_ButtonCount(HWND hwnd, const ItemRect& rect)
{
    const BoundedCount buttons = BoundCount(AnswerOr(0, hwnd, TB_BUTTONCOUNT), int64_t{rect.right} - rect.left, INT32_MAX);
    if (buttons.outOfBounds)
        NoteAnswerOutOfBounds(hwnd);
    return buttons.value;
}

// The marks keep a blank mark's width from the frame's right edge.
void PadBeforeMarks(std::string& text, int32_t width, size_t marks)
{
    const int64_t pad = int64_t{width} - static_cast<int64_t>(text.size()) - static_cast<int64_t>(marks);
    if (pad > 2)
        text.append(static_cast<size_t>(pad - 2), ' ');
}

}  // namespace

void CaptureHtmlHost(HWND)
{
    CaptureItem& item = CurrentRecord();
    item.kind = 'B';
    item.shape = 'L';
    item.text = "<HTML>";
}

// The button records hold the toolbar's own rectangle: they draw nothing,
// and a rectangle left from an earlier conversion could still stretch the
// drawing's extent.
void CaptureToolbar(HWND hwnd)
{
    CaptureItem& item = CurrentRecord();
    item.kind = 'B';
    item.shape = 'L';
    SetClassName(item, "ToolBar");
    const ItemRect box = item.rect;
    const int buttons = Toolbar_ButtonCount(hwnd, box);
    for (int i = 0; i < buttons; ++i)
        if (!AppendPlainRecord("ToolBar", box, ""))
            return;
}

void CaptureMdiCaption(HWND hwnd)
{
    CaptureItem& item = CurrentRecord();
    item.kind = 'B';
    item.shape = 'H';
    SetClassName(item, "MDI");
    const std::string marks = CaptionLetters(hwnd);
    item.text = WindowTitle(hwnd);
    PadBeforeMarks(item.text, WidthInColumns(item.rect), marks.size());
    // The marks start on an even column, as the grid's double cells do.
    if (item.text.size() % 2 != 0)
        item.text += ' ';
    item.text += marks;
    item.rect.right = item.rect.left + kPixelsPerColumn * static_cast<int32_t>(item.text.size() + 1);
}
