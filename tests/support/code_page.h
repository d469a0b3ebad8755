// The program's texts are Shift-JIS (code page 932) byte strings; tests
// write theirs in UTF-8 sources and show failures in UTF-8.
#pragma once

#include <string>

// Every byte is kept: a placeholder becomes its grapheme, a byte that is no
// part of a valid character a private-use code point (cp932.h), so that
// equal texts stay equal and unequal ones unequal.
std::string ShiftJisToUtf8(const std::string& shiftJis);

// The engine's text: what code page 932 cannot hold exactly becomes a
// placeholder of the table of foreign characters.  Malformed UTF-8 fails the
// test.
std::string Utf8ToShiftJis(const std::string& utf8);
