// Whether two paths name the same file as Windows compares names: without
// regard to case.
#pragma once

#include <string>

bool SamePath(const std::wstring& a, const std::wstring& b);
