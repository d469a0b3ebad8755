// The record an extractor is writing, and appending more of them.
#pragma once

#include "capture_state.h"
#include "placement.h"

#include <cstdint>
#include <string>

// Rows of a tree, list view or list box that fit its window; shared by those
// extractors and kept until the next one sets it.
extern int32_t FitRowCount;

inline CaptureItem& CurrentRecord()
{
    return ItemTable[ItemCount];
}

// Appends a plain record (kind and shape ' ').  False when the table is
// full: the user has then been told, nothing was written, and the extractor
// must append nothing more.
bool AppendPlainRecord(const char* tag, const ItemRect& rect, std::string text);

inline int32_t WidthInColumns(const ItemRect& rect)
{
    return (rect.right - rect.left) / kPixelsPerColumn;
}
