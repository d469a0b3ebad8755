// Texts between the tests' Shift-JIS strings (code page 932, named, so that
// they hold in a prefix of any locale) and the UTF-16 of the wide functions.
#pragma once

#include <string>

std::wstring Widen(const std::string& ansi);
std::string Narrow(const std::wstring& wide);
