// Reading a window's accessibility tree across processes.  Calls through
// the COM proxy have no timeout of their own, so the tree is read on a
// thread of its own while the capturing thread waits with a bound: a target
// whose IAccessible never returns ends the reading, not the capture.
#pragma once

#include "accessible_object.h"

#include <windows.h>

// What was read of the tree behind `objectReference`, the answer of the
// window to WM_GETOBJECT(OBJID_CLIENT) (0 when it has none: with
// `standardProxy` the system's own proxy for the window is read then).
// Invisible and off-screen objects are left out with what they hold.  Waits
// while the window's objects answer, each call within kAnswerTimeoutMs,
// handling this thread's messages (Esc cancels); the tree is then marked
// unanswered and holds what came before.  Nothing is left in the target.
AccessibleTree ReadAccessibleTree(HWND window, LRESULT objectReference, bool standardProxy);
