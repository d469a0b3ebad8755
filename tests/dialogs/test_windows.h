// Windows of the tests' own, the messages that drive them, and the windows
// of the programs a test starts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Registers a class whose windows do nothing of their own: a button-face
// background and the arrow cursor.
void RegisterPlainClass(const char* className);

// Handles this thread's messages until `dispatched` has returned true for
// one of them (after its dispatch) or `timeoutMs` has passed.
bool PumpUntilDispatched(const std::function<bool(const MSG&)>& dispatched, DWORD timeoutMs);

// Handles this thread's messages until `condition` holds or `timeoutMs`
// has passed; the condition's last answer.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);

POINT CentreOf(HWND window);
// A screen point as xdotool takes it: "X Y".
std::string ScreenPoint(POINT point);

// The visible top-level windows of a process with the class `className`.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const char* className);
