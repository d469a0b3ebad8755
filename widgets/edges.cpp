#include "edges.h"

void FillSolidRect(HDC dc, const RECT& rect, COLORREF colour)
{
    // ExtTextOut with an opaque rectangle fills in the background colour.
    const COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    const LONG l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    FillSolidRect(dc, {l, t, r - 1, t + 1}, topLeft);
    FillSolidRect(dc, {l, t, l + 1, b - 1}, topLeft);
    FillSolidRect(dc, {r - 1, t, r, b}, bottomRight);
    FillSolidRect(dc, {l, b - 1, r, b}, bottomRight);
}
