// Records from the objects of an accessibility tree, shaped by the same
// code that shapes the controls of the same kinds read as child windows, so
// that a window that draws its controls itself gives the picture its twin
// made of child windows would give.
#pragma once

#include "accessible_object.h"

#include <windows.h>

#include <vector>

// Appends one record (or the records of one composite control) per object
// whose role shows something, after the records already in the table; the
// objects of `window`.  A menu bar among them becomes the "Menu" record of a
// whole-window capture when the window has no menu of its own.
void RecordAccessibleObjects(HWND window, const std::vector<AccessibleObject>& objects);
