// Extractors for controls that show a position in a range: progress bars,
// trackbars, scroll bars and up-down controls.  Each draws the range and
// the position as one row or one column of full-width marks sized to the
// control; columns become one record per mark, 7 pixels apart.
#pragma once

#include "capture_state.h"

#include <windows.h>

#include <cstdint>

// A framed gauge filled with "■" from the left, or from the top when
// vertical.
void CaptureProgressBar(HWND hwnd);

// A scale with the ticks and, beside it, a line with the thumb "△".
void CaptureSlider(HWND hwnd);

// The bar with its two-mark thumb, drawn as two lines of rules.
void CaptureScrollBar(HWND hwnd);

// The two arrows "Λ" and "Ｖ", one above the other.
void CaptureSpin(HWND hwnd);

// A position in its range, as a gauge reports it.
struct GaugePosition {
    int64_t min;
    int64_t max;
    int64_t pos;
};

// The shapes of a progress bar and a trackbar from what was read of them,
// shared with the accessibility-tree reading.  `ticks` counts the
// trackbar's tick marks, its two ends included.
void FormProgressBar(CaptureItem& item, bool vertical, const GaugePosition& position);
void FormSlider(CaptureItem& item, bool vertical, int32_t ticks, const GaugePosition& position);
