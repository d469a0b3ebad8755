// The walk over the target's windows: one prepared record per window,
// completed by the extractor the dispatch table names.
#pragma once

#include <windows.h>

// Visits the windows below `parent` children first (a window's descendants
// are recorded before the window), siblings from the top of the Z order.  In
// whole-window mode ('O') the walk starts with parent's first child; in
// single-control mode ('K') with parent itself at depth 0 and with the first
// child below, visiting one window per level.  Hidden windows, windows partly
// above or left of the screen and hidden dialogs with all their children
// leave no record.  Ends quietly when the table holds kItemLimit records,
// when the conversion must stop (capture_stop.h), at a window already
// visited and below 100 levels of nesting.
void WalkChildren(HWND parent, int depth);

// Handles every message waiting in this thread's queue; Esc, pressed while
// a conversion runs, cancels it instead.
void PumpMessages();
