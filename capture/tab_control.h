// The extractor for tab controls.
#pragma once

#include <windows.h>

// Two records: the framed caption line, each caption followed by "│" and
// the last by "~", and one row lower the strip drawn under the captions,
// left open under the selected tab.  Captions are read through the remote
// memory channel.
void CaptureTabControl(HWND hwnd);
