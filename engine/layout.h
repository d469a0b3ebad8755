// The layout half of a conversion: the captured records in the item table
// become the finished text picture.
#pragma once

#include "capture_gaps.h"

#include <cstdint>
#include <cstddef>
#include <string>

struct ConversionResult {
    std::string text;   // Shift-JIS, every kept row followed by CR LF
    std::wstring unicodeText;  // the same picture in UTF-16, every character as itself
    size_t replacedCharacters = 0;  // characters `text` shows as "?" or "？"
    std::string title;  // record 0's text as drawn, empty without records
    int32_t outputCols = 0;
    int32_t outputRows = 0;
    CaptureGaps gaps;   // set by a live capture; the layout leaves it empty
};

// Lays out records 0 to ItemCount - 1 in the current CaptureMode and option
// flags; publishes OutputCols and OutputRows.
ConversionResult LayOutItems();
