// A static text that works as a link: drawn in its own colour with an
// underlined font, showing its own cursor, and opening its target through
// the shell when the button is pressed and released on it. Its parent's
// colour request for it reaches it reflected.
#pragma once

#include "guards.h"
#include "window.h"

#include <windows.h>

#include <string>

class CHyperLink : public Window {
public:
    CHyperLink();

    // The setters return the link, so that calls chain.
    CHyperLink& SetTarget(const std::wstring& target);
    // The notify style lets the static control receive mouse clicks.
    CHyperLink& SetLinkMode(bool on);
    CHyperLink& SetTextColor(COLORREF colour);
    CHyperLink& SetUnderline(bool on);
    CHyperLink& SetLinkCursor(HCURSOR cursor);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Redraw() const;
    // Prepares `dc` for the text and gives the background brush.
    HBRUSH OnCtlColor(HDC dc) const;
    LRESULT OnButtonUp(WPARAM wParam, LPARAM lParam);

    std::wstring m_target;
    COLORREF m_textColor;
    OwnedBrush m_backBrush;
    LOGFONTW m_logFont;
    OwnedFont m_font;
    HCURSOR m_cursor = nullptr;
    char m_pressed = 'N';  // 'Y' from a press on the link to the next release on it
};
