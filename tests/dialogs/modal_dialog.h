// Driving a modal dialog of the program from inside its own modal loop.
#pragma once

#include <windows.h>

#include <functional>

// Runs `open`, which shows a modal dialog of this thread and returns once
// the dialog has closed, and calls `step` once with the dialog while it
// runs. The step must end the dialog; one still open a while later is
// cancelled and fails the test.
void WithModalDialog(const std::function<void()>& open, const std::function<void(HWND dialog)>& step);

// Presses a button as the mouse does.
void Click(HWND dialog, int id);
bool IsTicked(HWND dialog, int id);
