#include "window_text.h"

#include "answer_bounds.h"
#include "fitting_text.h"
#include "messages.h"

#include <algorithm>

namespace {

// GetWindowTextW sends WM_GETTEXT, without a timeout, to a window of this
// process that belongs to another thread.
bool IsOtherThreadOfThisProcess(HWND hwnd)
{
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(hwnd, &process);
    return process == GetCurrentProcessId() && thread != GetCurrentThreadId();
}

// Keeps the characters actually copied, never more than the buffer held, up
// to the NUL forced at its end.
void KeepCopied(std::wstring& buffer, int copied)
{
    const size_t limit = copied > 0 ? static_cast<size_t>(copied) : 0;
    buffer.resize(std::min(limit, TerminatedLength(&buffer[0], buffer.size())));
}

}  // namespace

std::string WindowTitle(HWND hwnd)
{
    if (IsOtherThreadOfThisProcess(hwnd))
        return AskWindowText(hwnd);
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return {};
    std::wstring title(BufferForLength(length), L'\0');
    KeepCopied(title, GetWindowTextW(hwnd, &title[0], static_cast<int>(title.size())));
    return ToEngineText(title);
}

std::string AskWindowText(HWND hwnd)
{
    std::string text;
    ReadFittingText([&] { return std::max(Window_GetTextLength(hwnd), 0); },
                    [&](wchar_t* buffer, int size) { return Window_GetText(hwnd, buffer, size); }, &text);
    return text;
}

void EnableAndFocus(HWND hwnd)
{
    if (!IsAnswering(hwnd))
        return;
    EnableWindow(hwnd, TRUE);
    SetFocus(hwnd);
}
