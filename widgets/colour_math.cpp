#include "colour_math.h"

#include <algorithm>

COLORREF GreyOf(COLORREF colour)
{
    // In thousandths, so that the truncation is that of the exact weights.
    const int level = (299 * GetRValue(colour) + 587 * GetGValue(colour) + 114 * GetBValue(colour)) / 1000;
    return RGB(level, level, level);
}

COLORREF DarkerOf(COLORREF colour)
{
    return RGB(GetRValue(colour) * 3 / 4, GetGValue(colour) * 3 / 4, GetBValue(colour) * 3 / 4);
}

COLORREF ShiftedEvenly(COLORREF colour, int shift)
{
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    if (shift > 0)
        shift = std::min(shift, 255 - std::max({r, g, b}));
    else
        shift = std::max(shift, -std::min({r, g, b}));
    return RGB(r + shift, g + shift, b + shift);
}
