#include "fitting_text.h"

CharSet TextCharSet(HWND hwnd)
{
    const bool otherThread = GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId();
    return otherThread || IsWindowUnicode(hwnd) ? CharSet::Wide : CharSet::Ansi;
}

std::string ToAnsi(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], size, nullptr, nullptr);
    return text;
}
