#include "dialog_bar.h"

#include "application.h"
#include "mdi_frame.h"

#include <commctrl.h>

#include <string>

namespace {

// The bar's dialog procedure leaves everything to the dialog manager; the
// bar's own handling is in its subclass.
INT_PTR CALLBACK BarDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// Push buttons, also those that draw themselves.
bool IsPushButton(HWND control)
{
    wchar_t className[16] = L"";
    GetClassNameW(control, className, 16);
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiW(className, L"Button") == 0 && (type <= BS_DEFPUSHBUTTON || type == BS_OWNERDRAW);
}

}  // namespace

bool DialogBar::CreateBar(HWND frame, UINT templateId, UINT barId)
{
    HWND bar = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), frame, BarDialogProc, 0);
    if (!bar)
        return false;
    if (!Subclass(bar)) {
        DestroyWindow(bar);
        return false;
    }
    SetWindowLongPtrW(bar, GWLP_ID, static_cast<LONG_PTR>(barId));
    AddButtonTips();
    ShowWindow(bar, SW_SHOW);
    return true;
}

// Each push button shows the tip part of its command's string.
void DialogBar::AddButtonTips()
{
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, Handle(),
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tips_)
        return;
    for (HWND control = GetWindow(Handle(), GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsPushButton(control))
            continue;
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

int DialogBar::Height() const
{
    RECT rect;
    GetWindowRect(Handle(), &rect);
    return rect.bottom - rect.top;
}

void DialogBar::UpdateCommandStates(const CommandRoute& route)
{
    for (HWND control = GetWindow(Handle(), GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsPushButton(control))
            continue;
        const bool enabled = StateOfCommand(route, static_cast<UINT>(GetDlgCtrlID(control))).enabled;
        if ((IsWindowEnabled(control) != 0) != enabled)
            EnableWindow(control, enabled);
    }
}

LRESULT DialogBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Clicks and notifications of the bar's controls are the frame's.
        return SendMessageW(GetParent(Handle()), WM_COMMAND, wParam, lParam);
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom != tips_)
            break;
        const UINT id = static_cast<UINT>(GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
        // While a tip shows, the message pane shows the command's prompt.
        if (auto* frame = dynamic_cast<MdiFrameWindow*>(FromHandle(GetParent(Handle())))) {
            if (header->code == TTN_SHOW)
                frame->SetMessageText(PromptPart(LoadString(id)));
            else if (header->code == TTN_POP)
                frame->ShowIdleMessage();
        }
        if (header->code == TTN_GETDISPINFOW) {
            tipText_ = TipPart(LoadString(id));
            reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = &tipText_[0];
            return 0;
        }
        break;
    }
    }
    return Default(message, wParam, lParam);
}
