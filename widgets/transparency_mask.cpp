#include "transparency_mask.h"

#include "guards.h"

HBITMAP MakeTransparencyMask(HBITMAP image, SIZE size, COLORREF transparent)
{
    OwnedBitmap mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    const OwnedMemoryDC imageDc(CreateCompatibleDC(nullptr));
    const OwnedMemoryDC maskDc(CreateCompatibleDC(nullptr));
    if (!mask || !imageDc || !maskDc)
        return nullptr;
    const SelectedObject imageSelected(imageDc.Get(), image);
    const SelectedObject maskSelected(maskDc.Get(), mask.Get());
    // Colour to monochrome: pixels of the background colour become white.
    SetBkColor(imageDc.Get(), transparent);
    if (!BitBlt(maskDc.Get(), 0, 0, size.cx, size.cy, imageDc.Get(), 0, 0, SRCCOPY))
        return nullptr;
    // Monochrome to colour: white becomes the background colour, black the text colour.
    SetBkColor(imageDc.Get(), RGB(0, 0, 0));
    SetTextColor(imageDc.Get(), RGB(255, 255, 255));
    if (!BitBlt(imageDc.Get(), 0, 0, size.cx, size.cy, maskDc.Get(), 0, 0, SRCAND))
        return nullptr;
    return mask.Release();
}
