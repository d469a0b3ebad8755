// Flat frames and filled rectangles in solid colours, drawn without pens or
// brushes that need freeing.
#pragma once

#include <windows.h>

void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour);

// One-pixel frame: top and left edge in `topLeft`, bottom and right in `bottomRight`.
void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
