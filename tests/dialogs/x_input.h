// Real pointer and keyboard input on the test's X display, given by
// xdotool. Wine starts Unix programs but gives no handle to wait on, so
// xdotool runs through /bin/sh, which moves its exit status into a done
// file once it has ended; RunXdotool waits for that file (bounded). It
// handles no messages meanwhile: Wine turns the input into messages when
// the test next handles its messages, and the test can then tell when the
// message it waits for has been handled.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs `xdotool COMMANDS`; false, with a test failure naming the commands
// and what xdotool said, if it fails or does not end in time.
[[nodiscard]] bool RunXdotool(const std::string& commands);

// Handles this thread's messages until `dispatched` has returned true for
// one of them (after its dispatch) or `timeoutMs` has passed.
bool PumpUntilDispatched(const std::function<bool(const MSG&)>& dispatched, DWORD timeoutMs);

// Handles this thread's messages until `condition` holds or `timeoutMs`
// has passed; the condition's last answer.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);

std::string ScreenPoint(POINT point);
// The centre of a window's rectangle on the screen.
POINT CentreOf(HWND window);
