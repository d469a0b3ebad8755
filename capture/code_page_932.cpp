#include "code_page_932.h"

#include <windows.h>

namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

std::string ToCodePage932(const wchar_t* text, size_t length)
{
    if (length == 0)
        return {};
    const int units = static_cast<int>(length);
    const int size = WideCharToMultiByte(kCodePage932, 0, text, units, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(kCodePage932, 0, text, units, &converted[0], size, nullptr, nullptr);
    return converted;
}

std::wstring FromCodePage932(const std::string& text)
{
    if (text.empty())
        return {};
    const int bytes = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(kCodePage932, 0, text.data(), bytes, nullptr, 0);
    std::wstring converted(static_cast<size_t>(size > 0 ? size : 0), L'\0');
    MultiByteToWideChar(kCodePage932, 0, text.data(), bytes, &converted[0], size);
    return converted;
}
