// Extractors for edits, combo boxes and list boxes.  Each completes the
// record the walker prepared for the window (ItemTable[ItemCount]).
#pragma once

#include <windows.h>

// Edit and memo controls: the text, framed when the control has a client
// edge, wrapped to the control's width.
void CaptureEdit(HWND hwnd);

// The selected entry (or the typed text of an editable combo box), padded
// to the box's width and ended by the drop-down mark "│▼".
void CaptureComboBox(HWND hwnd);

// A framed block followed by one record per entry: the visible entries of a
// whole-window capture, all entries of a single control.
void CaptureListBox(HWND hwnd);
