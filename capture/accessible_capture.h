// The capture of a window through its accessibility tree (MSAA), for the
// programs that draw their controls themselves inside one window.
#pragma once

#include <windows.h>

// Asks `window` for its accessible object (WM_GETOBJECT with OBJID_CLIENT,
// with the timeout of every message) and appends the records of the objects
// it holds, each stamped RecordSource::Accessible.  A window that answers
// with no object of its own is read through the system's proxy for it when
// `standardProxy` is set, else not at all.  What could not be read is
// noted like every other gap (unread_windows.h).
void CaptureAccessible(HWND window, bool standardProxy);
