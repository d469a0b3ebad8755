// A framework window in one colour; like every framework window it hands
// its controls' click notifications and colour requests back to them, as
// an icon button's parent must.
#pragma once

#include "guards.h"
#include "window.h"

class ReflectingParent : public Window {
public:
    explicit ReflectingParent(COLORREF background);

    // A top-level window, not yet shown; `client` in screen pixels.
    HWND CreateTopLevel(const char* title, const RECT& client, DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    HWND AddControl(const char* className, int id, DWORD style, const char* text, const RECT& rect);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    OwnedBrush background_;
};
