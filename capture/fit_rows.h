// How many item lines of a tree or list view fit its window.
#pragma once

#include "capture_state.h"

#include <cstdint>

// Whole lines of 14 pixels between margins of 7 pixels at the top and the
// bottom of the control's screen rectangle; negative for a control lower
// than its margins.
inline int32_t FitLineCount(const ItemRect& rect)
{
    constexpr int32_t kMargin = 7;
    constexpr int32_t kLineHeight = 14;
    return ((rect.bottom - kMargin) - (rect.top + kMargin)) / kLineHeight;
}
