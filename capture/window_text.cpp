#include "window_text.h"

#include "answer_bounds.h"
#include "messages.h"

#include <algorithm>
#include <cstring>

namespace {

// GetWindowTextA sends WM_GETTEXT, without a timeout, to a window of this
// process that belongs to another thread.
bool IsOtherThreadOfThisProcess(HWND hwnd)
{
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(hwnd, &process);
    return process == GetCurrentProcessId() && thread != GetCurrentThreadId();
}

// Keeps the bytes actually copied, never more than the buffer held, up to
// the NUL forced at its end.
void KeepCopied(std::string& buffer, int copied)
{
    const size_t limit = copied > 0 ? static_cast<size_t>(copied) : 0;
    buffer.resize(std::min(limit, TerminatedLength(&buffer[0], buffer.size())));
}

// A text of `length` bytes, cut to what the grid can show.
std::string BufferFor(int length)
{
    return std::string(BufferForLength(length), '\0');
}

}  // namespace

std::string WindowTitle(HWND hwnd)
{
    if (IsOtherThreadOfThisProcess(hwnd))
        return AskWindowText(hwnd);
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0)
        return {};
    std::string title = BufferFor(length);
    KeepCopied(title, GetWindowTextA(hwnd, &title[0], static_cast<int>(title.size())));
    return title;
}

std::string AskWindowText(HWND hwnd)
{
    const int length = Window_GetTextLength(hwnd);
    if (length <= 0)
        return {};
    std::string text = BufferFor(length);
    KeepCopied(text, Window_GetText(hwnd, &text[0], static_cast<int>(text.size())));
    return text;
}

void EnableAndFocus(HWND hwnd)
{
    if (!IsAnswering(hwnd))
        return;
    EnableWindow(hwnd, TRUE);
    SetFocus(hwnd);
}
