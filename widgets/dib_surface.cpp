#include "dib_surface.h"

DibSurface::DibSurface(int width, int height) : width_(width), height_(height)
{
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (!bitmap_ || !dc_)
        return;
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    bits_ = static_cast<RGBQUAD*>(bits);
}

DibSurface::~DibSurface()
{
    if (previous_)
        SelectObject(dc_.Get(), previous_);
}

COLORREF DibSurface::Pixel(int x, int y) const
{
    GdiFlush();
    const RGBQUAD& pixel = At(x, y);
    return RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
}

void DibSurface::SetPixel(int x, int y, COLORREF colour)
{
    GdiFlush();
    RGBQUAD& pixel = At(x, y);
    pixel.rgbRed = GetRValue(colour);
    pixel.rgbGreen = GetGValue(colour);
    pixel.rgbBlue = GetBValue(colour);
}

HBITMAP DibSurface::ReleaseBitmap()
{
    GdiFlush();
    if (previous_)
        SelectObject(dc_.Get(), previous_);
    previous_ = nullptr;
    bits_ = nullptr;
    return bitmap_.Release();
}
