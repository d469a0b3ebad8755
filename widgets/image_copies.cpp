#include "image_copies.h"

#include "colour_math.h"
#include "dib_surface.h"
#include "guards.h"

namespace {

// Every pixel of the surface not of the colour `kept` is tinted.
void TintPixels(DibSurface& surface, Tint tint, const COLORREF* kept)
{
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const COLORREF colour = surface.Pixel(x, y);
            if (!kept || colour != *kept)
                surface.SetPixel(x, y, Tinted(colour, tint));
        }
    }
}

}  // namespace

COLORREF Tinted(COLORREF colour, Tint tint)
{
    return tint == Tint::Grey ? GreyOf(colour) : DarkerOf(colour);
}

HICON MakeTintedIcon(HICON source, Tint tint)
{
    ICONINFO info{};
    if (!source || !GetIconInfo(source, &info))
        return nullptr;
    const OwnedBitmap mask(info.hbmMask);
    const OwnedBitmap colour(info.hbmColor);
    DibSurface copy(2 * static_cast<int>(info.xHotspot), 2 * static_cast<int>(info.yHotspot));
    if (!copy)
        return nullptr;
    DrawIconEx(copy.Dc(), 0, 0, source, copy.Width(), copy.Height(), 0, nullptr, DI_IMAGE);
    // Black, where the mask lets the background through, stays black in both tints.
    TintPixels(copy, tint, nullptr);
    const OwnedBitmap image(copy.ReleaseBitmap());
    ICONINFO made{TRUE, info.xHotspot, info.yHotspot, mask.Get(), image.Get()};
    return CreateIconIndirect(&made);
}

HBITMAP MakeTintedBitmap(HBITMAP source, SIZE size, COLORREF transparent, Tint tint)
{
    DibSurface copy(size.cx, size.cy);
    const OwnedMemoryDC sourceDc(CreateCompatibleDC(nullptr));
    if (!copy || !sourceDc)
        return nullptr;
    {
        const SelectedObject selected(sourceDc.Get(), source);
        if (!BitBlt(copy.Dc(), 0, 0, size.cx, size.cy, sourceDc.Get(), 0, 0, SRCCOPY))
            return nullptr;
    }
    TintPixels(copy, tint, &transparent);
    return copy.ReleaseBitmap();
}
