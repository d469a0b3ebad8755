#include "wide_text.h"

#include <windows.h>

namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

std::wstring Widen(const std::string& ansi)
{
    const int size = MultiByteToWideChar(kCodePage932, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size > 0 ? size : 0), L'\0');
    MultiByteToWideChar(kCodePage932, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], size);
    return wide;
}

std::string Narrow(const std::wstring& wide)
{
    const int size =
        WideCharToMultiByte(kCodePage932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(kCodePage932, 0, wide.data(), static_cast<int>(wide.size()), &ansi[0], size, nullptr, nullptr);
    return ansi;
}
