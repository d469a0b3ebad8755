#include "shown_text.h"

#include "program_windows.h"
#include "wide_text.h"

#include <commctrl.h>

#include <iterator>

namespace {

constexpr UINT kPaneTimeoutMs = 20000;

BOOL CALLBACK CollectLongestStatic(HWND window, LPARAM lParam)
{
    auto* longest = reinterpret_cast<std::string*>(lParam);
    const std::string text = ShownText(window);
    if (HasClass(window, "Static") && text.size() > longest->size())
        *longest = text;
    return TRUE;
}

}  // namespace

std::string ShownText(HWND window)
{
    return Narrow(WindowText(window));
}

std::string ViewText(HWND view)
{
    const LRESULT length = SendMessageW(view, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(SendMessageW(view, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    return Narrow(text);
}

std::string MessageBoxText(HWND box)
{
    std::string longest;
    EnumChildWindows(box, CollectLongestStatic, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

std::string MessagePaneText(HWND frame)
{
    HWND bar = FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr);
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(bar, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        kPaneTimeoutMs, &copied);
    return Narrow(text);
}
