// The tree-view extractor.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Renders the expanded part of the tree as text lines, with "[-]" and "[+]"
// marks, check marks and connectors, and appends the lines after the tree's
// own record: in a whole-window capture the lines the control shows, in a
// single-control capture all of them.
void CaptureTreeView(HWND hwnd);

// The same lines from another reading.  BeginTreeLines starts them;
// AddTreeLine adds an item at its depth (0 for a root) with its TVIS_ state
// bits and its children flag (1: it has children), marking a connector up to
// its sibling above; EndTreeSiblingList closes the sibling list whose last
// line was added last; FinishTreeRecord draws the connectors and writes the
// tree's record and its lines, from firstVisibleLine() in a whole-window
// capture.
void BeginTreeLines(bool hasCheckBoxes);
void AddTreeLine(int depth, uint32_t state, int32_t children, const std::string& caption, bool connector);
void EndTreeSiblingList();
bool TreeLinesFull();
void FinishTreeRecord(const std::function<size_t()>& firstVisibleLine);
