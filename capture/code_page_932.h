// The one conversion from what windows hold (UTF-16) to the cells of the
// capture (code page 932 and placeholders for what it lacks), the same on a
// system of any language, and back.
#pragma once

#include <string>

// The text in code page 932, converted as a Japanese system converts it for
// ANSI requests (what code page 932 lacks becomes a look-alike or "?"): for
// the command line's arguments.
std::string ToCodePage932(const wchar_t* text, size_t length);

// The engine's text: the characters code page 932 holds exactly as a
// Japanese system converts them, every other grapheme as itself through the
// conversion's table of foreign characters (foreign_characters.h).
std::string ToEngineText(const wchar_t* text, size_t length);

inline std::string ToEngineText(const std::wstring& text)
{
    return ToEngineText(text.data(), text.size());
}

// The text in code page 932 for a Shift-JIS file: a grapheme code page 932
// lacks becomes "?" or "？" of its width, counted in *replaced.
std::string ToShiftJisKeepingColumns(const std::wstring& text, size_t* replaced);

// The code page 932 text in UTF-16, for calls that take it so.
std::wstring FromCodePage932(const std::string& text);

// The engine's text in UTF-16, every placeholder as its grapheme and every
// byte that is no character (half of one the grid cut) as U+FFFD.
std::wstring FromEngineText(const std::string& text);
