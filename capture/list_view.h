// The list-view extractor.
#pragma once

#include <windows.h>

// A framed block of columns: per column of the header a header record and
// one record per row with the cell texts, each column starting right of the
// widest text of the one before; the control's record is widened when the
// columns need more room.  A whole-window capture reads the rows that fit
// the control, a single-control capture all of them.
void CaptureListView(HWND hwnd);
