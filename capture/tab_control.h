// The extractor for tab controls.
#pragma once

#include "capture_state.h"

#include <windows.h>

#include <string>
#include <vector>

// Two records: the framed caption line, each caption followed by "│" and
// the last by "~", and one row lower the strip drawn under the captions,
// left open under the selected tab.  Captions are read through the remote
// memory channel.
void CaptureTabControl(HWND hwnd);

// Tab controls reach at least as far right as the last list view captured
// inside their pages: called before the records are formed.
void WidenToListRightEdge(CaptureItem& item);

// The same two records from captions already read; `selected` is the index
// of the selected tab, or -1.
void FormTabControl(CaptureItem& item, int selected, const std::vector<std::string>& captions);
