// The text of one of the program's own windows, whole: a caption, a
// control's contents.
#pragma once

#include <windows.h>

#include <string>

std::wstring WindowText(HWND window);
