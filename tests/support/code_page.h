// The program's texts are Shift-JIS (code page 932) byte strings; tests
// write theirs in UTF-8 sources and show failures in UTF-8.
#pragma once

#include <string>

// Every byte is kept: one that is no part of a valid character becomes a
// private-use code point (cp932.h), so that equal texts stay equal and
// unequal ones unequal.
std::string ShiftJisToUtf8(const std::string& shiftJis);

// A character that code page 932 cannot hold exactly fails the test; the
// text up to it is returned.
std::string Utf8ToShiftJis(const std::string& utf8);
