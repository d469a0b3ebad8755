// Choosing the window under a screen point, as the finder marks it.
#pragma once

#include <windows.h>

// The window under the point, found as the system's hit test finds it, then
// refined one level down: among the children of the window under the point,
// the smallest one whose rectangle holds the point (edges included, hidden
// and disabled windows too; of equal ones the upper in Z order).  Null when
// no window lies under the point.
HWND PickWindowAt(POINT screenPoint);
