// The record an extractor is writing, and appending more of them.
#pragma once

#include "capture_state.h"
#include "placement.h"

#include <windows.h>

#include <cstdint>
#include <string>

// Rows of a tree, list view or list box that fit its window; shared by those
// extractors and kept until the next one sets it.
extern int32_t FitRowCount;

// Which reading makes the records written now; every writer of a record
// stamps it with this.
extern RecordSource ReadingSource;

inline CaptureItem& CurrentRecord()
{
    return ItemTable[ItemCount];
}

// Prepares the record at ItemTable[ItemCount] for one control: its screen
// rectangle in layout pixels, its class name, kind and shape ' ', no text,
// stamped with ReadingSource.  True when the control stands partly above or
// left of the screen, judged on the screen's own pixels before they are
// scaled: such a control leaves no record.
bool PrepareRecord(const RECT& screen, const char* className);

// Keeps the records made for one control from `prepared` to ItemCount, or
// drops them all when `skip`; false when the table is full and the reading
// must end.
bool KeepOrDrop(int prepared, bool skip);

// Appends a plain record (kind and shape ' ').  False when the table is
// full: the user has then been told, nothing was written, and the extractor
// must append nothing more.
bool AppendPlainRecord(const char* tag, const ItemRect& rect, std::string text);

inline int32_t WidthInColumns(const ItemRect& rect)
{
    return (rect.right - rect.left) / kPixelsPerColumn;
}
