// An owner-drawn push button that shows an icon or a bitmap and an optional
// caption. In the flat look (the default) it raises a frame only while the
// mouse is over it. It can toggle like a check box, open a drop-down menu,
// open a link with the shell, show its own cursor and a tooltip, and paint
// its parent's pixels as its background.
//
// It takes over an existing button with Subclass. Its parent reflects
// WM_DRAWITEM, WM_COMMAND and WM_CTLCOLORBTN to it, as every framework
// window does; the message loop must call PreTranslateMessage for the
// tooltip and for double clicks.
//
// Setters return 0 on success, else the code given beside them; those with a
// redraw flag repaint the button when it is set. The button owns every
// icon, bitmap, cursor and menu it is given or loads, and frees each when it
// is replaced and when the button goes. Resource ids name resources of the
// program's module.
#pragma once

#include "backdrop_cache.h"
#include "guards.h"
#include "owned_window.h"
#include "window.h"

#include <string>

class CIconButton : public Window {
public:
    // Out images made from the in image.
    enum ImageCopy : int { kGreyCopy = -2, kDarkerCopy = -3 };

    CIconButton();
    ~CIconButton() override;

    // Binds `button` and makes it owner-drawn; false if it cannot be bound.
    bool Subclass(HWND button);

    // The in icon shows while the button is hovered or pressed, the out icon
    // otherwise (or the in icon if there is none). Frees the images held
    // before. 1 if an icon cannot be loaded or read: then no image is kept.
    DWORD AssignIcons(int inId, int outId = 0);
    DWORD AssignIcons(HICON in, HICON out = nullptr);
    DWORD AssignIcons(HICON in, ImageCopy out);

    // As AssignIcons for bitmaps, each with its transparent colour (a copy
    // uses the in bitmap's). 1 if a bitmap cannot be loaded or read, 2 if
    // its mask cannot be made.
    DWORD AssignBitmaps(int inId, COLORREF inTransparent, int outId = 0, COLORREF outTransparent = 0);
    DWORD AssignBitmaps(HBITMAP in, COLORREF inTransparent, HBITMAP out = nullptr, COLORREF outTransparent = 0);
    DWORD AssignBitmaps(HBITMAP in, COLORREF inTransparent, ImageCopy out);

    // Sizes the window to the in icon, or else the in bitmap; no margins.
    void FitToImage();

    DWORD SetFlatLook(bool flat, bool redraw = true);
    // An ImagePlacement (image_placement.h); 4 if above 3.
    DWORD SetImagePlacement(int placement, bool redraw = true);
    // The shift while pressed: style 0 one pixel right and down, style 1 two
    // down; 6 for another style.
    DWORD SetPressShiftStyle(int style, bool redraw = true);
    // Only in check mode.
    DWORD SetChecked(bool checked, bool redraw = true);

    // Colour slots: 0 background while hovered or pressed, 1 caption then;
    // 2 and 3 normally; 4 and 5 while focused. 3 for a slot above 5.
    DWORD SetStateColour(int slot, COLORREF colour, bool redraw = true);
    DWORD GetStateColour(int slot, COLORREF* colour) const;
    // Moves all three channels by `shift`, as far as the channels allow; 3
    // for a bad slot, 5 for a shift outside -255 to 255.
    DWORD ShiftStateColour(int slot, int shift, bool redraw = true);

    DWORD ShowFlatFrame(bool show, bool redraw = true);
    DWORD ShowFlatFocusRect(bool show, bool redraw = true);
    DWORD HoverWhenInactive(bool hover);
    // Paints no background at all.
    DWORD SuppressBackdrop(bool suppress, bool redraw = true);

    // 0 removes the cursor; 1 if it cannot be loaded.
    DWORD AssignCursor(int cursorId, bool redraw = false);

    // Sets the tooltip's text, making the tooltip on first use, and
    // activates or deactivates it. 1 if the tooltip cannot be made or the
    // string cannot be loaded.
    DWORD AssignTip(const wchar_t* text, bool activate = true);
    DWORD AssignTip(int stringId, bool activate = true);
    // A balloon, if asked before the tooltip is made.
    DWORD UseBalloonTip();

    // Opened with the shell when clicked (no menu, not in check mode); up
    // to 260 bytes are kept, cut at a character boundary.
    DWORD AssignLink(const char* target);

    // A click shows the menu resource's first submenu under the button and
    // posts the chosen command to `owner` (the parent if null). 0 removes
    // the menu; 1 if it cannot be loaded.
    DWORD AssignDropMenu(int menuId, HWND owner, bool redraw = true);
    // Sent before the menu opens: `message` to `window` with the submenu
    // and `param`.
    DWORD AssignMenuNotification(HWND window, UINT message, LPARAM param);

    // Paints the parent's pixels under the button as its background; the
    // next drawing copies them afresh.
    DWORD UseParentBackdrop(bool redraw = true);
    // Copies the background now from `parentDc`, which holds the parent's
    // client area. 5 without parent backdrop or without a DC, 1 if the
    // pixels cannot be copied.
    DWORD CaptureBackdrop(HDC parentDc);

    bool IsHovered() const { return m_hovered; }
    HCURSOR Cursor() const { return m_cursor.Get(); }
    HWND Tip() const { return m_tip.Get(); }
    // The button type before subclassing (a default push button counts as
    // a push button).
    int SubclassType() const { return m_subclassType; }

    bool PreTranslateMessage(MSG* message) override;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The pre-subclass hook: the button's style read and converted.
    virtual void PreSubclassWindow();

    virtual void DrawItem(const DRAWITEMSTRUCT& item);
    // The drawing operations, in the order DrawItem calls them. The
    // background may shrink the rectangle the others draw in; the images
    // set the area the caption is centred in.
    virtual void DrawBackground(HDC dc, RECT* rect);
    virtual void DrawBorder(HDC dc, const RECT& rect);
    virtual void DrawIcon(HDC dc, bool hasCaption, const RECT& rect, RECT* captionArea);
    virtual void DrawBitmap(HDC dc, bool hasCaption, const RECT& rect, RECT* captionArea);
    virtual void DrawCaption(HDC dc, const std::wstring& caption, const RECT& area);

    struct IconSlot {
        OwnedIcon icon;
        SIZE size{};
    };
    struct BitmapSlot {
        OwnedBitmap bitmap;
        OwnedBitmap mask;
        SIZE size{};
        COLORREF transparent = 0;
    };
    struct MenuNotification {
        HWND window = nullptr;
        UINT message = 0;
        LPARAM param = 0;
    };

    // Slot 0 in (hovered or pressed), slot 1 out (normal).
    IconSlot m_icons[2];
    BitmapSlot m_bitmaps[2];

    bool m_flatLook = true;
    bool m_hovered = false;
    bool m_pressed = false;
    bool m_focused = false;
    bool m_disabled = false;
    bool m_defaultButton = false;
    bool m_toggles = false;
    bool m_checked = false;
    bool m_showFlatFrame = true;
    bool m_flatFocusRect = false;
    bool m_parentBackdrop = false;
    bool m_noBackdrop = false;
    bool m_hoverInactive = true;
    bool m_embossDisabledBitmap = true;
    int m_imagePlacement = 0;
    int m_marginX = 3;
    int m_marginY = 3;
    POINT m_pressShift{1, 1};
    COLORREF m_stateColours[6]{};
    int m_subclassType = 0x1F;

    OwnedMenu m_menu;
    HWND m_menuOwner = nullptr;
    bool m_menuShown = false;
    MenuNotification m_menuNotification;
    std::string m_link;
    OwnedCursor m_cursor;
    OwnedWindow m_tip;
    DWORD m_tipStyleBits = 0;
    BackdropCache m_backdrop;

private:
    void Redraw(bool redraw);
    DWORD SetFlag(bool* flag, bool value, bool redraw);
    void RedrawNow();
    void ResetStateColours();
    void FreeImages();
    DWORD KeepIcons(OwnedIcon in, OwnedIcon out, int copy);
    DWORD KeepBitmaps(OwnedBitmap in, COLORREF inTransparent, OwnedBitmap out, COLORREF outTransparent, int copy);

    // Which slot's image shows now: 0 in, 1 out.
    int ShownSlot(bool hasOut) const;
    // The colour slot of the background now; the caption's is the next one.
    int ColourSlot() const;
    POINT PressOffset() const;
    RECT AreaInParent() const;
    void TakeBackdropFromParent();

    void OnMouseMove(WPARAM keys, LPARAM position);
    void CancelHover();
    void OnDisabled();
    void OnClicked();
    void ShowDropMenu();
    void OpenLink();
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    LRESULT OnGetDlgCode(WPARAM key, LPARAM message);

    bool EnsureTip();
    void FitTipToClient();
};
