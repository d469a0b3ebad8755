// The icon button's setters for its look and its behaviour.

#include "icon_button.h"

#include "application.h"
#include "colour_math.h"

#include <commctrl.h>

namespace {

constexpr int kColourSlots = 6;
constexpr int kLastPlacement = 3;
constexpr size_t kLinkLimit = 260;
constexpr LPARAM kMaxTipWidth = 400;
constexpr UINT_PTR kToolId = 1;

constexpr DWORD kCannotLoad = 1;
constexpr DWORD kBadColourSlot = 3;
constexpr DWORD kBadPlacement = 4;
constexpr DWORD kBadShift = 5;
constexpr DWORD kNoBackdrop = 5;
constexpr DWORD kBadPressStyle = 6;

bool IsColourSlot(int slot)
{
    return slot >= 0 && slot < kColourSlots;
}

// The button's one tool: its client area.
TOOLINFOW ToolOf(HWND button)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = button;
    tool.uId = kToolId;
    return tool;
}

}  // namespace

DWORD CIconButton::SetFlag(bool* flag, bool value, bool redraw)
{
    *flag = value;
    Redraw(redraw);
    return 0;
}

DWORD CIconButton::SetFlatLook(bool flat, bool redraw)
{
    return SetFlag(&m_flatLook, flat, redraw);
}

DWORD CIconButton::SetImagePlacement(int placement, bool redraw)
{
    if (placement < 0 || placement > kLastPlacement)
        return kBadPlacement;
    m_imagePlacement = placement;
    Redraw(redraw);
    return 0;
}

DWORD CIconButton::SetPressShiftStyle(int style, bool redraw)
{
    if (style != 0 && style != 1)
        return kBadPressStyle;
    m_pressShift = style == 0 ? POINT{1, 1} : POINT{0, 2};
    Redraw(redraw);
    return 0;
}

DWORD CIconButton::SetChecked(bool checked, bool redraw)
{
    if (m_toggles) {
        m_checked = checked;
        Redraw(redraw);
    }
    return 0;
}

DWORD CIconButton::SetStateColour(int slot, COLORREF colour, bool redraw)
{
    if (!IsColourSlot(slot))
        return kBadColourSlot;
    m_stateColours[slot] = colour;
    Redraw(redraw);
    return 0;
}

DWORD CIconButton::GetStateColour(int slot, COLORREF* colour) const
{
    if (!IsColourSlot(slot))
        return kBadColourSlot;
    *colour = m_stateColours[slot];
    return 0;
}

DWORD CIconButton::ShiftStateColour(int slot, int shift, bool redraw)
{
    if (!IsColourSlot(slot))
        return kBadColourSlot;
    if (shift < -255 || shift > 255)
        return kBadShift;
    m_stateColours[slot] = ShiftedEvenly(m_stateColours[slot], shift);
    Redraw(redraw);
    return 0;
}

DWORD CIconButton::ShowFlatFrame(bool show, bool redraw)
{
    return SetFlag(&m_showFlatFrame, show, redraw);
}

DWORD CIconButton::ShowFlatFocusRect(bool show, bool redraw)
{
    return SetFlag(&m_flatFocusRect, show, redraw);
}

DWORD CIconButton::HoverWhenInactive(bool hover)
{
    m_hoverInactive = hover;
    return 0;
}

DWORD CIconButton::SuppressBackdrop(bool suppress, bool redraw)
{
    return SetFlag(&m_noBackdrop, suppress, redraw);
}

DWORD CIconButton::AssignCursor(int cursorId, bool redraw)
{
    m_cursor.Reset();
    if (cursorId) {
        m_cursor.Reset(static_cast<HCURSOR>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(cursorId), IMAGE_CURSOR, 0, 0, 0)));
        if (!m_cursor)
            return kCannotLoad;
    }
    Redraw(redraw);
    return 0;
}

bool CIconButton::EnsureTip()
{
    if (m_tip)
        return true;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    m_tip.Reset(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | m_tipStyleBits, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                GetModuleHandleW(nullptr), nullptr));
    if (!m_tip)
        return false;
    SendMessageW(m_tip.Get(), TTM_ACTIVATE, FALSE, 0);
    SendMessageW(m_tip.Get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    return true;
}

DWORD CIconButton::AssignTip(const wchar_t* text, bool activate)
{
    if (!EnsureTip())
        return kCannotLoad;
    TOOLINFOW tool = ToolOf(Handle());
    tool.lpszText = const_cast<wchar_t*>(text ? text : L"");
    if (SendMessageW(m_tip.Get(), TTM_GETTOOLCOUNT, 0, 0) == 0) {
        GetClientRect(Handle(), &tool.rect);
        SendMessageW(m_tip.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(m_tip.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(m_tip.Get(), TTM_ACTIVATE, activate, 0);
    return 0;
}

DWORD CIconButton::AssignTip(int stringId, bool activate)
{
    const std::wstring text = LoadString(static_cast<UINT>(stringId));
    if (text.empty())
        return kCannotLoad;
    return AssignTip(text.c_str(), activate);
}

// The tool covers the client area also after the button was resized.
void CIconButton::FitTipToClient()
{
    if (!m_tip)
        return;
    TOOLINFOW tool = ToolOf(Handle());
    GetClientRect(Handle(), &tool.rect);
    SendMessageW(m_tip.Get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

DWORD CIconButton::UseBalloonTip()
{
    m_tipStyleBits |= TTS_BALLOON;
    return 0;
}

DWORD CIconButton::AssignLink(const char* target)
{
    m_link.clear();
    if (!target)
        return 0;
    const char* end = target;
    while (*end) {
        const char* next = CharNextA(end);
        if (static_cast<size_t>(next - target) > kLinkLimit)
            break;
        end = next;
    }
    m_link.assign(target, end);
    return 0;
}

DWORD CIconButton::AssignDropMenu(int menuId, HWND owner, bool redraw)
{
    m_menu.Reset();
    m_menuOwner = owner;
    if (menuId) {
        m_menu.Reset(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId)));
        if (!m_menu)
            return kCannotLoad;
    }
    Redraw(redraw);
    return 0;
}

DWORD CIconButton::AssignMenuNotification(HWND window, UINT message, LPARAM param)
{
    m_menuNotification = {window, message, param};
    return 0;
}

DWORD CIconButton::UseParentBackdrop(bool redraw)
{
    m_parentBackdrop = true;
    m_backdrop.Discard();
    Redraw(redraw);
    return 0;
}

DWORD CIconButton::CaptureBackdrop(HDC parentDc)
{
    if (!m_parentBackdrop || !parentDc)
        return kNoBackdrop;
    return m_backdrop.Take(parentDc, AreaInParent()) ? 0 : kCannotLoad;
}
