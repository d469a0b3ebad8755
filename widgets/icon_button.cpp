#include "icon_button.h"

#include "private_messages.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

namespace {

// The low style bits that hold a button's type, as they are kept.
constexpr LONG kTypeBits = 0x1F;

bool IsCheckBoxType(LONG type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

}  // namespace

CIconButton::CIconButton()
{
    ResetStateColours();
}

// The tooltip goes while the button can still answer it.
CIconButton::~CIconButton()
{
    m_tip.Reset();
}

bool CIconButton::Subclass(HWND button)
{
    if (!Window::Subclass(button))
        return false;
    PreSubclassWindow();
    return true;
}

void CIconButton::PreSubclassWindow()
{
    const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    m_subclassType = style & kTypeBits;
    m_toggles = IsCheckBoxType(m_subclassType);
    if (m_subclassType == BS_DEFPUSHBUTTON) {
        m_defaultButton = true;
        m_subclassType = BS_PUSHBUTTON;
    }
    SetWindowLongW(Handle(), GWL_STYLE, (style & ~kTypeBits) | BS_OWNERDRAW);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CIconButton::ResetStateColours()
{
    for (int slot = 0; slot < 6; slot += 2) {
        m_stateColours[slot] = GetSysColor(COLOR_BTNFACE);
        m_stateColours[slot + 1] = GetSysColor(COLOR_BTNTEXT);
    }
}

void CIconButton::Redraw(bool redraw)
{
    // Without erasing: the drawing paints the whole background itself, and
    // an erase would spoil the parent's pixels it copies.
    if (redraw && Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CIconButton::RedrawNow()
{
    Redraw(true);
    UpdateWindow(Handle());
}

bool CIconButton::PreTranslateMessage(MSG* message)
{
    if (m_tip)
        SendMessageW(m_tip.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
    // A quick second click is a click of its own.
    if (message->message == WM_LBUTTONDBLCLK && message->hwnd == Handle())
        message->message = WM_LBUTTONDOWN;
    return false;
}

LRESULT CIconButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kReflectedDrawItem:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case kReflectedCommand:
        if (HIWORD(wParam) == BN_CLICKED)
            OnClicked();
        return 0;  // the parent handles the click too
    case kReflectedCtlColorBtn:
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        break;
    case WM_MOUSELEAVE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
        CancelHover();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            CancelHover();
        break;
    case WM_ENABLE:
        if (!wParam)
            OnDisabled();
        break;
    case WM_SETCURSOR:
        if (m_cursor) {
            SetCursor(m_cursor.Get());
            return TRUE;
        }
        break;
    case WM_SYSCOLORCHANGE:
        m_backdrop.Discard();
        ResetStateColours();
        Redraw(true);
        break;
    case WM_GETDLGCODE:
        return OnGetDlgCode(wParam, lParam);
    case BM_SETSTYLE:
        return OnSetStyle(wParam, lParam);
    case BM_SETCHECK:
        SetChecked(wParam == BST_CHECKED || wParam == BST_INDETERMINATE, true);
        return 0;
    case BM_GETCHECK:
        return m_checked ? BST_CHECKED : BST_UNCHECKED;
    case WM_SIZE:
        FitTipToClient();
        break;
    case WM_DESTROY:
        m_tip.Reset();
        break;
    }
    return Default(message, wParam, lParam);
}

LRESULT CIconButton::OnGetDlgCode(WPARAM key, LPARAM message)
{
    const LRESULT code = Default(WM_GETDLGCODE, key, message) & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    return code | (m_defaultButton ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// The dialog manager makes push buttons default and back with BM_SETSTYLE;
// the button stays owner-drawn and draws the default state itself.
LRESULT CIconButton::OnSetStyle(WPARAM style, LPARAM redraw)
{
    const WPARAM type = style & kTypeBits;
    if (type == BS_DEFPUSHBUTTON)
        m_defaultButton = true;
    else if (type == BS_PUSHBUTTON)
        m_defaultButton = false;
    return Default(BM_SETSTYLE, (style & ~kTypeBits) | BS_OWNERDRAW, redraw);
}

void CIconButton::OnMouseMove(WPARAM keys, LPARAM position)
{
    if (!m_flatLook || ((keys & MK_LBUTTON) && !m_hovered))
        return;
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ClientToScreen(Handle(), &point);
    if (WindowFromPoint(point) == Handle() && (m_hoverInactive || GetActiveWindow())) {
        if (m_hovered)
            return;
        m_hovered = true;
        Redraw(true);
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
    } else {
        CancelHover();
    }
}

void CIconButton::CancelHover()
{
    if (m_flatLook && m_hovered) {
        m_hovered = false;
        Redraw(true);
    }
}

// The system has taken the focus from the disabled button by now, so a
// focus that is nowhere in the active window was the button's. A focus
// elsewhere stays where it is.
void CIconButton::OnDisabled()
{
    const HWND focus = GetFocus();
    if (focus == Handle() || (!focus && GetActiveWindow() == GetAncestor(Handle(), GA_ROOT))) {
        const HWND parent = GetParent(Handle());
        const HWND next = GetNextDlgTabItem(parent, Handle(), FALSE);
        SetFocus(next && next != Handle() ? next : parent);
    }
    CancelHover();
}

void CIconButton::OnClicked()
{
    SetFocus(Handle());
    if (m_toggles) {
        m_checked = !m_checked;
        Redraw(true);
    } else if (m_menu) {
        ShowDropMenu();
    } else if (!m_link.empty()) {
        OpenLink();
    }
}

void CIconButton::ShowDropMenu()
{
    const HMENU popup = GetSubMenu(m_menu.Get(), 0);
    if (!popup)
        return;
    m_menuShown = true;
    RedrawNow();
    if (m_menuNotification.window)
        SendMessageW(m_menuNotification.window, m_menuNotification.message, reinterpret_cast<WPARAM>(popup),
                     m_menuNotification.param);
    RECT rect;
    GetWindowRect(Handle(), &rect);
    const UINT command = TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                          rect.left, rect.bottom, Handle(), nullptr);
    m_menuShown = false;
    RedrawNow();
    // 0: the menu was closed without a choice.
    if (command)
        PostMessageW(m_menuOwner ? m_menuOwner : GetParent(Handle()), WM_COMMAND, MAKEWPARAM(LOWORD(command), 0),
                     0);
}

void CIconButton::OpenLink()
{
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.hwnd = Handle();
    execute.lpVerb = "open";
    execute.lpFile = m_link.c_str();
    execute.nShow = SW_SHOWMAXIMIZED;
    ShellExecuteExA(&execute);
}
