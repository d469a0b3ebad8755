// How the icon button draws itself into the DC that its owner-draw request
// names: background, border, icon, bitmap, caption, focus rectangle.

#include "icon_button.h"

#include "edges.h"
#include "image_placement.h"
#include "text_of_window.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
constexpr int kFocusInset = 3;

// Draws the image with its mask so that the transparent colour shows what
// is under it.
void DrawMasked(HDC dc, int x, int y, HBITMAP image, HBITMAP mask, SIZE size)
{
    const OwnedMemoryDC source(CreateCompatibleDC(dc));
    if (!source)
        return;
    const SavedDC saved(dc);
    SetBkColor(dc, kWhite);
    SetTextColor(dc, kBlack);
    {
        const SelectedObject selected(source.Get(), mask);
        BitBlt(dc, x, y, size.cx, size.cy, source.Get(), 0, 0, SRCAND);
    }
    const SelectedObject selected(source.Get(), image);
    BitBlt(dc, x, y, size.cx, size.cy, source.Get(), 0, 0, SRCPAINT);
}

}  // namespace

int CIconButton::ShownSlot(bool hasOut) const
{
    const bool in = m_toggles ? m_pressed : (m_pressed || m_hovered);
    return in || !hasOut ? 0 : 1;
}

int CIconButton::ColourSlot() const
{
    return m_hovered || m_pressed ? 0 : m_focused ? 4 : 2;
}

POINT CIconButton::PressOffset() const
{
    return m_pressed && !m_toggles ? m_pressShift : POINT{0, 0};
}

RECT CIconButton::AreaInParent() const
{
    RECT area;
    GetClientRect(Handle(), &area);
    MapWindowPoints(Handle(), GetParent(Handle()), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void CIconButton::TakeBackdropFromParent()
{
    const HWND parent = GetParent(Handle());
    if (!parent)
        return;
    const WindowDC parentDc(parent);
    if (parentDc)
        m_backdrop.Take(parentDc.Get(), AreaInParent());
}

void CIconButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    const HDC dc = item.hDC;
    const SavedDC saved(dc);
    m_pressed = (item.itemState & ODS_SELECTED) || (m_toggles ? m_checked : m_menuShown);
    m_focused = (item.itemState & ODS_FOCUS) != 0;
    m_disabled = (item.itemState & ODS_DISABLED) != 0;
    SetBkMode(dc, TRANSPARENT);

    RECT rect = item.rcItem;
    if (!m_noBackdrop)
        DrawBackground(dc, &rect);
    DrawBorder(dc, rect);
    const std::wstring caption = WindowText(Handle());
    RECT captionArea = rect;
    if (m_icons[0].icon)
        DrawIcon(dc, !caption.empty(), rect, &captionArea);
    if (m_bitmaps[0].bitmap)
        DrawBitmap(dc, !caption.empty(), rect, &captionArea);
    if (!caption.empty())
        DrawCaption(dc, caption, captionArea);
    if ((!m_flatLook || m_flatFocusRect) && m_focused) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &focus);
    }
}

void CIconButton::DrawBackground(HDC dc, RECT* rect)
{
    if (m_parentBackdrop) {
        if (!m_backdrop.Holds())
            TakeBackdropFromParent();
        if (m_backdrop.Holds()) {
            m_backdrop.Paint(dc, *rect);
            return;
        }
    }
    if (!m_flatLook && (m_focused || m_defaultButton)) {
        FrameRect(dc, rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(rect, -1, -1);
    }
    FillSolidRect(dc, *rect, m_stateColours[ColourSlot()]);
}

void CIconButton::DrawBorder(HDC dc, const RECT& rect)
{
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (m_pressed) {
        if (!m_flatLook)
            FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
        else if (m_showFlatFrame)
            Draw3dRect(dc, rect, shadow, highlight);
    } else if (!m_flatLook) {
        Draw3dRect(dc, rect, highlight, GetSysColor(COLOR_3DDKSHADOW));
        RECT inner = rect;
        InflateRect(&inner, -1, -1);
        Draw3dRect(dc, inner, GetSysColor(COLOR_3DLIGHT), shadow);
    } else if (m_hovered && m_showFlatFrame) {
        Draw3dRect(dc, rect, highlight, shadow);
    }
}

void CIconButton::DrawIcon(HDC dc, bool hasCaption, const RECT& rect, RECT* captionArea)
{
    const IconSlot& slot = m_icons[ShownSlot(static_cast<bool>(m_icons[1].icon))];
    const ImageLayout layout =
        PlaceImage(rect, slot.size, hasCaption, m_imagePlacement, {m_marginX, m_marginY}, PressOffset());
    *captionArea = layout.caption;
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(slot.icon.Get()), 0, layout.image.left,
               layout.image.top, slot.size.cx, slot.size.cy, DST_ICON | (m_disabled ? DSS_DISABLED : DSS_NORMAL));
}

void CIconButton::DrawBitmap(HDC dc, bool hasCaption, const RECT& rect, RECT* captionArea)
{
    const BitmapSlot& slot = m_bitmaps[ShownSlot(static_cast<bool>(m_bitmaps[1].bitmap))];
    const ImageLayout layout =
        PlaceImage(rect, slot.size, hasCaption, m_imagePlacement, {m_marginX, m_marginY}, PressOffset());
    *captionArea = layout.caption;
    const int x = layout.image.left, y = layout.image.top;
    if (!m_disabled || !m_embossDisabledBitmap) {
        DrawMasked(dc, x, y, slot.bitmap.Get(), slot.mask.Get(), slot.size);
        return;
    }
    // The disabled drawing embosses the shape of whatever is not white.
    const OwnedBitmap scratch(CreateCompatibleBitmap(dc, slot.size.cx, slot.size.cy));
    const OwnedMemoryDC scratchDc(CreateCompatibleDC(dc));
    if (!scratch || !scratchDc)
        return;
    {
        const SelectedObject selected(scratchDc.Get(), scratch.Get());
        FillSolidRect(scratchDc.Get(), {0, 0, slot.size.cx, slot.size.cy}, kWhite);
        DrawMasked(scratchDc.Get(), 0, 0, slot.bitmap.Get(), slot.mask.Get(), slot.size);
    }
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(scratch.Get()), 0, x, y, slot.size.cx, slot.size.cy,
               DST_BITMAP | DSS_DISABLED);
}

void CIconButton::DrawCaption(HDC dc, const std::wstring& caption, const RECT& area)
{
    const SavedDC saved(dc);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    if (font)
        SelectObject(dc, font);
    RECT shifted = area;
    const POINT offset = PressOffset();
    OffsetRect(&shifted, offset.x, offset.y);
    RECT text = shifted;
    DrawTextW(dc, caption.c_str(), -1, &text, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    OffsetRect(&text, ((shifted.right - shifted.left) - (text.right - text.left)) / 2,
               ((shifted.bottom - shifted.top) - (text.bottom - text.top)) / 2);
    SetBkMode(dc, TRANSPARENT);
    if (m_disabled) {
        RECT raised = text;
        OffsetRect(&raised, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, caption.c_str(), -1, &raised, DT_WORDBREAK | DT_CENTER);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
    } else {
        SetBkColor(dc, m_stateColours[ColourSlot()]);
        SetTextColor(dc, m_stateColours[ColourSlot() + 1]);
    }
    DrawTextW(dc, caption.c_str(), -1, &text, DT_WORDBREAK | DT_CENTER);
}
