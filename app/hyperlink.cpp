#include "hyperlink.h"

#include "private_messages.h"

#include <shellapi.h>

namespace {

LOGFONTW UnderlinedGuiFont()
{
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfUnderline = TRUE;
    return font;
}

}  // namespace

CHyperLink::CHyperLink()
    : m_textColor(GetSysColor(COLOR_WINDOWTEXT)),
      m_backBrush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))),
      m_logFont(UnderlinedGuiFont()),
      m_font(CreateFontIndirectW(&m_logFont))
{
}

CHyperLink& CHyperLink::SetTarget(const std::wstring& target)
{
    m_target = target;
    return *this;
}

CHyperLink& CHyperLink::SetLinkMode(bool on)
{
    const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    SetWindowLongW(Handle(), GWL_STYLE, on ? style | SS_NOTIFY : style & ~SS_NOTIFY);
    return *this;
}

CHyperLink& CHyperLink::SetTextColor(COLORREF colour)
{
    m_textColor = colour;
    Redraw();
    return *this;
}

CHyperLink& CHyperLink::SetUnderline(bool on)
{
    m_logFont.lfUnderline = on ? TRUE : FALSE;
    m_font.Reset(CreateFontIndirectW(&m_logFont));
    Redraw();
    return *this;
}

CHyperLink& CHyperLink::SetLinkCursor(HCURSOR cursor)
{
    m_cursor = cursor;
    return *this;
}

void CHyperLink::Redraw() const
{
    if (Handle())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

HBRUSH CHyperLink::OnCtlColor(HDC dc) const
{
    SelectObject(dc, m_font.Get());
    ::SetTextColor(dc, m_textColor);
    SetBkMode(dc, TRANSPARENT);
    return m_backBrush.Get();
}

LRESULT CHyperLink::OnButtonUp(WPARAM wParam, LPARAM lParam)
{
    if (m_target.empty()) {
        m_pressed = 'N';
        return 0;
    }
    if (m_pressed == 'Y')
        ShellExecuteW(nullptr, L"open", m_target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    m_pressed = 'N';
    return Default(WM_LBUTTONUP, wParam, lParam);
}

LRESULT CHyperLink::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kReflectedCtlColorStatic:
        return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam)));
    case WM_LBUTTONDOWN:
        m_pressed = 'Y';
        break;
    case WM_LBUTTONUP:
        return OnButtonUp(wParam, lParam);
    case WM_SETCURSOR:
        if (m_cursor) {
            SetCursor(m_cursor);
            return TRUE;
        }
        break;
    }
    return Default(message, wParam, lParam);
}
