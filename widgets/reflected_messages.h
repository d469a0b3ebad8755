// Notifications that a parent hands back to its framework control, in the
// same scheme as the framework's kReflectedDrawItem: the control's own
// WM_COMMAND notification (its click, for a button) and the parent's
// WM_CTLCOLORBTN request for it. The framework reflects only WM_DRAWITEM; a
// parent of such controls calls ReflectToControl from its window procedure.
#pragma once

#include "window.h"

constexpr UINT kReflectedCommand = WM_APP + 0x1000 + WM_COMMAND;
constexpr UINT kReflectedCtlColorBtn = WM_APP + 0x1000 + WM_CTLCOLORBTN;

// For WM_COMMAND and WM_CTLCOLORBTN from a framework control: sends the
// control the reflected message. True, with *result, when the control's
// answer settles the message (a non-zero brush; a command notification the
// control took for itself alone); false when the parent goes on handling it.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
