// Extractors for edits, combo boxes and list boxes.  Each completes the
// record the walker prepared for the window (ItemTable[ItemCount]).
#pragma once

#include "capture_state.h"

#include <windows.h>

#include <functional>
#include <string>

// Edit and memo controls: the text, framed when the control has a client
// edge, wrapped to the control's width.
void CaptureEdit(HWND hwnd);

// The selected entry (or the typed text of an editable combo box), padded
// to the box's width and ended by the drop-down mark "│▼".
void CaptureComboBox(HWND hwnd);

// A framed block followed by one record per entry: the visible entries of a
// whole-window capture, all entries of a single control.
void CaptureListBox(HWND hwnd);

// The shapes of these controls from what was read of them, shared with the
// accessibility-tree reading.  An edit is framed when it shows a frame of
// its own (a client edge).
void FormEdit(CaptureItem& item, bool framed, std::string text);
void FormComboBox(CaptureItem& item, std::string selection);

// Reads entry `index` into *entry; false ends the list.
using ListEntryReader = std::function<bool(int index, std::string* entry)>;

// The list box's record and its entries' records: topIndex() gives the first
// visible entry (asked only in a whole-window capture), count() the number
// of entries.
void FormListBox(CaptureItem& item, const std::function<int()>& topIndex, const std::function<int()>& count,
                 const ListEntryReader& readEntry);
