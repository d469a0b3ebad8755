// Dragging text out of a window with OLE: a data object that offers one
// block of CF_TEXT, and a drop source that drops on release and cancels on
// Escape.
#pragma once

#include <windows.h>

// Runs the system's drag loop with `text` (a global block holding the
// text; the caller keeps it) offered for copying or moving. The effect the
// target chose, or DROPEFFECT_NONE.
DWORD DragText(HGLOBAL text, DWORD allowedEffects);
