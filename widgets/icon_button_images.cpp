// The icon button's images: loading, copies, masks and sizes.

#include "icon_button.h"

#include "image_copies.h"
#include "transparency_mask.h"

#include <utility>

namespace {

bool IsCopy(int out)
{
    return out == CIconButton::kGreyCopy || out == CIconButton::kDarkerCopy;
}

Tint TintOf(int copy)
{
    return copy == CIconButton::kGreyCopy ? Tint::Grey : Tint::Darker;
}

HANDLE LoadImageResource(int id, UINT type, UINT flags)
{
    return id > 0 ? LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), type, 0, 0, flags) : nullptr;
}

bool IconSize(HICON icon, SIZE* size)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return false;
    const OwnedBitmap mask(info.hbmMask);
    const OwnedBitmap colour(info.hbmColor);
    BITMAP bitmap{};
    if (!GetObjectW(colour ? colour.Get() : mask.Get(), sizeof bitmap, &bitmap))
        return false;
    // A monochrome icon keeps its AND and XOR halves in one bitmap.
    *size = {bitmap.bmWidth, colour ? bitmap.bmHeight : bitmap.bmHeight / 2};
    return true;
}

bool BitmapSize(HBITMAP handle, SIZE* size)
{
    BITMAP bitmap{};
    if (GetObjectType(handle) != OBJ_BITMAP || !GetObjectW(handle, sizeof bitmap, &bitmap))
        return false;
    *size = {bitmap.bmWidth, bitmap.bmHeight};
    return true;
}

}  // namespace

void CIconButton::FreeImages()
{
    for (IconSlot& slot : m_icons)
        slot = IconSlot{};
    for (BitmapSlot& slot : m_bitmaps)
        slot = BitmapSlot{};
}

DWORD CIconButton::AssignIcons(int inId, int outId)
{
    OwnedIcon in(static_cast<HICON>(LoadImageResource(inId, IMAGE_ICON, LR_DEFAULTSIZE)));
    OwnedIcon out(IsCopy(outId) ? nullptr : static_cast<HICON>(LoadImageResource(outId, IMAGE_ICON, LR_DEFAULTSIZE)));
    if ((inId && !in) || (outId > 0 && !out)) {
        FreeImages();
        Redraw(true);
        return 1;
    }
    return KeepIcons(std::move(in), std::move(out), IsCopy(outId) ? outId : 0);
}

DWORD CIconButton::AssignIcons(HICON in, HICON out)
{
    // One handle in both slots would be freed twice.
    return KeepIcons(OwnedIcon(in), OwnedIcon(out == in ? nullptr : out), 0);
}

DWORD CIconButton::AssignIcons(HICON in, ImageCopy out)
{
    return KeepIcons(OwnedIcon(in), OwnedIcon(), out);
}

DWORD CIconButton::KeepIcons(OwnedIcon in, OwnedIcon out, int copy)
{
    FreeImages();
    Redraw(true);
    if (!in)
        return 0;
    if (copy)
        out.Reset(MakeTintedIcon(in.Get(), TintOf(copy)));
    SIZE inSize{}, outSize{};
    if (!IconSize(in.Get(), &inSize) || ((out || copy) && !IconSize(out.Get(), &outSize)))
        return 1;
    m_icons[0] = {std::move(in), inSize};
    m_icons[1] = {std::move(out), outSize};
    return 0;
}

DWORD CIconButton::AssignBitmaps(int inId, COLORREF inTransparent, int outId, COLORREF outTransparent)
{
    OwnedBitmap in(static_cast<HBITMAP>(LoadImageResource(inId, IMAGE_BITMAP, 0)));
    OwnedBitmap out(IsCopy(outId) ? nullptr : static_cast<HBITMAP>(LoadImageResource(outId, IMAGE_BITMAP, 0)));
    if ((inId && !in) || (outId > 0 && !out)) {
        FreeImages();
        Redraw(true);
        return 1;
    }
    return KeepBitmaps(std::move(in), inTransparent, std::move(out), outTransparent, IsCopy(outId) ? outId : 0);
}

DWORD CIconButton::AssignBitmaps(HBITMAP in, COLORREF inTransparent, HBITMAP out, COLORREF outTransparent)
{
    return KeepBitmaps(OwnedBitmap(in), inTransparent, OwnedBitmap(out == in ? nullptr : out), outTransparent, 0);
}

DWORD CIconButton::AssignBitmaps(HBITMAP in, COLORREF inTransparent, ImageCopy out)
{
    return KeepBitmaps(OwnedBitmap(in), inTransparent, OwnedBitmap(), inTransparent, out);
}

DWORD CIconButton::KeepBitmaps(OwnedBitmap in, COLORREF inTransparent, OwnedBitmap out, COLORREF outTransparent,
                               int copy)
{
    FreeImages();
    Redraw(true);
    if (!in)
        return 0;
    SIZE inSize{}, outSize{};
    if (!BitmapSize(in.Get(), &inSize))
        return 1;
    // The copy is made before the mask blackens the in bitmap's transparent pixels.
    if (copy) {
        out.Reset(MakeTintedBitmap(in.Get(), inSize, inTransparent, TintOf(copy)));
        outTransparent = inTransparent;
    }
    if ((out || copy) && !BitmapSize(out.Get(), &outSize))
        return 1;
    OwnedBitmap inMask(MakeTransparencyMask(in.Get(), inSize, inTransparent));
    OwnedBitmap outMask(out ? MakeTransparencyMask(out.Get(), outSize, outTransparent) : nullptr);
    if (!inMask || (out && !outMask))
        return 2;
    m_bitmaps[0] = {std::move(in), std::move(inMask), inSize, inTransparent};
    m_bitmaps[1] = {std::move(out), std::move(outMask), outSize, outTransparent};
    return 0;
}

void CIconButton::FitToImage()
{
    const SIZE size = m_icons[0].icon ? m_icons[0].size : m_bitmaps[0].size;
    if (m_icons[0].icon || m_bitmaps[0].bitmap)
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_marginX = 0;
    m_marginY = 0;
    Redraw(true);
}
