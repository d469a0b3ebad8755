// Where a scaled dialog's picture may differ from its picture at 96 DPI:
// the system lays dialog units out in whole pixels at each scale, so an edge
// can land one pixel over a cell boundary.
#pragma once

#include <vector>

struct ScaleShift {
    int dpi;
    const char* picture;  // the name of the 96-DPI picture
    int line;             // 1-based
    const char* text;     // the line as it reads at this DPI (UTF-8)
    const char* why;
};

const std::vector<ScaleShift>& ScaleShifts();

// A scale at which the system draws the dialogs out of proportion, so that
// their pictures are pictures of their own (tests/live/golden/NAME-DPI.txt).
struct RedrawnScale {
    int dpi;
    const char* why;
};

const std::vector<RedrawnScale>& RedrawnScales();
