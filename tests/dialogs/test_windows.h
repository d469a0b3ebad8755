// Windows of the tests' own and windows of other processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Registers a class whose windows do nothing of their own: a button-face
// background and the arrow cursor.
void RegisterPlainClass(const char* className);

// The visible top-level windows of a process.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

std::string ClassOf(HWND window);
std::string TitleOf(HWND window);
