#include "backdrop_cache.h"

bool BackdropCache::Take(HDC source, const RECT& area)
{
    Discard();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    bitmap_.Reset(CreateCompatibleBitmap(source, width, height));
    dc_.Reset(CreateCompatibleDC(source));
    if (!bitmap_ || !dc_) {
        Discard();
        return false;
    }
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    if (!BitBlt(dc_.Get(), 0, 0, width, height, source, area.left, area.top, SRCCOPY)) {
        Discard();
        return false;
    }
    return true;
}

void BackdropCache::Paint(HDC target, const RECT& rect) const
{
    if (dc_)
        BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dc_.Get(), 0, 0,
               SRCCOPY);
}

void BackdropCache::Discard()
{
    if (previous_)
        SelectObject(dc_.Get(), previous_);
    previous_ = nullptr;
    dc_.Reset();
    bitmap_.Reset();
}
