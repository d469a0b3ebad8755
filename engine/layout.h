// The layout half of a conversion: the captured records in the item table
// become the finished text picture.
#pragma once

#include "capture_gaps.h"

#include <cstdint>
#include <string>

struct ConversionResult {
    std::string text;   // Shift-JIS, every kept row followed by CR LF
    std::string title;  // record 0's text as drawn, empty without records
    int32_t outputCols = 0;
    int32_t outputRows = 0;
    CaptureGaps gaps;   // set by a live capture; the layout leaves it empty
};

// Lays out records 0 to ItemCount - 1 in the current CaptureMode and option
// flags; publishes OutputCols and OutputRows.
ConversionResult LayOutItems();
