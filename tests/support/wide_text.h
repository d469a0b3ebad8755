// Texts between the ANSI code page of the process (932 in the tests' Wine
// prefix) and the UTF-16 of the system's wide functions.
#pragma once

#include <string>

std::wstring Widen(const std::string& ansi);
std::string Narrow(const std::wstring& wide);
