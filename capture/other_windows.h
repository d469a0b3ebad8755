// The extractor for every window whose class the dispatch table does not
// recognise.
#pragma once

#include <windows.h>

// The window's title; when that is empty, the text the window reports once
// it is enabled and focused.  No frame.
void CaptureOtherWindow(HWND hwnd);
