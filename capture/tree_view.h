// The tree-view extractor.
#pragma once

#include <windows.h>

// Renders the expanded part of the tree as text lines, with "[-]" and "[+]"
// marks, check marks and connectors, and appends the lines after the tree's
// own record: in a whole-window capture the lines the control shows, in a
// single-control capture all of them.
void CaptureTreeView(HWND hwnd);
