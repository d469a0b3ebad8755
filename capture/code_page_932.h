// The one conversion from what windows hold (UTF-16) to the cells of the
// capture (code page 932), the same on a system of any language.
#pragma once

#include <string>

// The text in code page 932, converted as a Japanese system converts it for
// ANSI requests, so that pictures do not depend on the system's code page.
std::string ToCodePage932(const wchar_t* text, size_t length);

inline std::string ToCodePage932(const std::wstring& text)
{
    return ToCodePage932(text.data(), text.size());
}

// The code page 932 text in UTF-16, for calls that take it so.
std::wstring FromCodePage932(const std::string& text);
