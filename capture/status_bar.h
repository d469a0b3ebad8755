// The extractor for status bars.
#pragma once

#include "capture_state.h"

#include <windows.h>

#include <string>
#include <vector>

// One record holding every pane's text, each followed by " │ ".  The panes
// are read through a block in the control's process.
void CaptureStatusBar(HWND hwnd);

// The same record from pane texts already read.
void FormStatusBar(CaptureItem& item, const std::vector<std::string>& panes);
