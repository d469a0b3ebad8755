// Driving a modal dialog of the program from inside its own modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// Runs `open`, which shows a modal dialog of this thread and returns once
// the dialog has closed, and calls `step` once with the dialog while it
// runs. A dialog that `step` leaves open is cancelled and fails the test.
void WithModalDialog(const std::function<void()>& open, const std::function<void(HWND dialog)>& step);

// Presses a button as the mouse does.
void Click(HWND dialog, int id);
bool IsTicked(HWND dialog, int id);

// The dialog's client area is `width` x `height` dialog units.
void ExpectClientSize(HWND dialog, int width, int height);

// One control of a dialog template as the template gives it.
struct ControlSpec {
    int id;
    const char* className;
    DWORD type;    // the button or static type: BS_AUTOCHECKBOX, SS_LEFT, SS_ICON...
    DWORD flags;   // further style bits that must be set
    const char* text;  // null: not compared (an icon's text is its resource id)
    RECT units;    // left, top, width, height in dialog units; an icon keeps only its place
};

// Checks the dialog's controls, in their order, against `controls`: class,
// type, style, text and place.
void ExpectControls(HWND dialog, const std::vector<ControlSpec>& controls);
