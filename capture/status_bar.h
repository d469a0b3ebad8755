// The extractor for status bars.
#pragma once

#include <windows.h>

// One record holding every pane's text, each followed by " │ ".  The panes
// are read through a block in the control's process.
void CaptureStatusBar(HWND hwnd);
