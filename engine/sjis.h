// Byte-string helpers for Shift-JIS text (code page 932).
//
// A lead byte takes the next byte with it, so a search never matches the
// second half of a double-byte character.  White space, tab, line feed and
// '&' all lie below 0x40, the lowest trail byte, so they can be tested byte
// by byte without such care.
#pragma once

#include <cstddef>
#include <string>

inline bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Bytes of the character at offset i of a string of `length` bytes.
inline size_t CharLength(const char* s, size_t length, size_t i)
{
    return IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < length ? 2 : 1;
}

inline bool IsWhiteByte(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Offset of the first occurrence of `needle` that starts on a character
// boundary, or std::string::npos.
size_t FindChars(const std::string& text, const std::string& needle);

// Replaces the first such occurrence; false when there is none.
bool ReplaceFirstChars(std::string& text, const std::string& from, const std::string& to);

void ReplaceTabsWithSpaces(std::string& text);
void TrimTrailingWhite(std::string& text);
// Removes leading white space and returns the number of bytes removed.
size_t TrimLeadingWhite(std::string& text);
