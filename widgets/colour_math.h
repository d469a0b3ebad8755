// Colour arithmetic of the icon button: the grey and darker copies of its
// images and the evenly shifted state colours.
#pragma once

#include <windows.h>

// The grey level 0.299 R + 0.587 G + 0.114 B (truncated) in all three channels.
COLORREF GreyOf(COLORREF colour);

// Each channel less 25 % (truncated).
COLORREF DarkerOf(COLORREF colour);

// All three channels moved by the same amount, `shift` reduced so that no
// channel leaves 0 to 255.
COLORREF ShiftedEvenly(COLORREF colour, int shift);
