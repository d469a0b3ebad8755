// A 32-bit top-down DIB section selected into a memory DC: GDI draws into
// it and its pixels are read and changed in place.
#pragma once

#include "guards.h"

#include <windows.h>

class DibSurface {
public:
    DibSurface(int width, int height);
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    explicit operator bool() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The pixel's colour after all drawing so far.
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF colour);

    // The bitmap for the caller to own, no longer selected; the surface is
    // empty afterwards.
    HBITMAP ReleaseBitmap();

private:
    RGBQUAD& At(int x, int y) const { return bits_[y * width_ + x]; }

    int width_;
    int height_;
    OwnedBitmap bitmap_;
    OwnedMemoryDC dc_;
    HGDIOBJ previous_ = nullptr;
    RGBQUAD* bits_ = nullptr;
};
