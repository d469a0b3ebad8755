// Windows of the tests' own and the messages that drive them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Registers a class whose windows do nothing of their own.
void RegisterPlainClass(const char* className);

// Handles this thread's messages until `dispatched` has returned true for
// one of them, after its dispatch, or `timeoutMs` has passed.
bool PumpUntilDispatched(const std::function<bool(const MSG&)>& dispatched, DWORD timeoutMs);

// The centre of a window, as xdotool takes a screen point: "X Y".
std::string CentreOf(HWND window, int offsetX = 0);

// The visible top-level windows of a process with the class `className`.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const char* className);
