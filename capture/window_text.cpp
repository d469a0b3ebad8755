#include "window_text.h"

#include "answer_bounds.h"
#include "fitting_text.h"
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

}  // namespace

std::string WindowTitle(HWND hwnd)
{
    if (IsOtherThreadOfThisProcess(hwnd))
        return AskWindowText(hwnd);
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0)
        return {};
    std::string title(BufferForLength(length), '\0');
    KeepCopied(title, GetWindowTextA(hwnd, &title[0], static_cast<int>(title.size())));
    return title;
}

// Under Wine the system turns an ANSI WM_GETTEXTLENGTH for another thread
// into a request for the whole text, sent without our timeout and sized by
// whatever length the window claims: such windows are asked in UTF-16.
std::string AskWindowText(HWND hwnd)
{
    const bool otherThread = GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId();
    std::string text;
    ReadFittingText(
        otherThread || IsWindowUnicode(hwnd) ? CharSet::Wide : CharSet::Ansi, [&](CharSet charSet) { return std::max(Window_GetTextLength(hwnd, charSet), 0); },
        [&](auto* buffer, int size) { return Window_GetText(hwnd, buffer, size); }, &text);
    return text;
}

void EnableAndFocus(HWND hwnd)
{
    if (!IsAnswering(hwnd))
        return;
    EnableWindow(hwnd, TRUE);
    SetFocus(hwnd);
}
