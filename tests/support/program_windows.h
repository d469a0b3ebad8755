// A program's windows seen from outside, as a user finds them on the
// screen: its visible top-level windows of a class, found or waited for,
// and whether their thread still answers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string ClassName(HWND window);
bool HasClass(HWND window, const char* className);

// The visible top-level windows of the process with the class `className`,
// in z-order, and the first of them or null.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const char* className);
HWND VisibleTopLevel(DWORD processId, const char* className);

// Polls, bounded, for such a window; null when none came.
HWND WaitForWindow(DWORD processId, const char* className);

// The first visible descendant of this class, or null.
HWND FindDescendant(HWND window, const char* className);

// Generous: a busy machine may keep a healthy program waiting that long.
constexpr UINT kWindowAnswerTimeoutMs = 1000;

// True when the window's thread takes a message within `timeoutMs`.
bool WindowAnswers(HWND window, UINT timeoutMs = kWindowAnswerTimeoutMs);
