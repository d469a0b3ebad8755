#include "finder_bar.h"

#include "resource.h"

#include <commctrl.h>

namespace {

constexpr UINT kInitBarMessage = WM_APP + 0x4D;
constexpr UINT kFinderBarId = 0xE805;  // 59397, the framework's dialog-bar id

struct BarButton {
    int id;
    int iconIn;
    int iconOut;
};

// In the order save, cut, copy, paste.
constexpr BarButton kBarButtons[] = {
    {57603, IDI_SAVE_IN, IDI_SAVE_OUT},
    {57635, IDI_CUT_IN, IDI_CUT_OUT},
    {57634, IDI_COPY_IN, IDI_COPY_OUT},
    {57637, IDI_PASTE_IN, IDI_PASTE_OUT},
};

const char kFinderTip[] = "変換したいコントロールへドロップしてください！";

}  // namespace

CFinderBar::CFinderBar() : m_cErased('N') {}

bool CFinderBar::CreateFinderBar(HWND frame)
{
    if (!CreateBar(frame, IDD_FINDER_BAR, kFinderBarId))
        return false;
    PostMessageA(Handle(), kInitBarMessage, 0, 0);
    return true;
}

// The buttons show their icon at rest until they draw themselves.
void CFinderBar::InitBar()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (size_t i = 0; i < m_buttonIcons.size(); ++i) {
        HWND button = GetDlgItem(Handle(), kBarButtons[i].id);
        m_buttonIcons[i].Reset(static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(kBarButtons[i].iconOut), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
        SetWindowLongA(button, GWL_STYLE, GetWindowLongA(button, GWL_STYLE) | BS_ICON);
        SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_buttonIcons[i].Get()));
    }
    AddFinderTip();
}

void CFinderBar::AddFinderTip()
{
    m_tipFinder = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                  Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_tipFinder)
        return;
    SendMessageA(m_tipFinder, TTM_ACTIVATE, TRUE, 0);
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(Handle(), IDC_FINDER_IMAGE));
    tool.lpszText = const_cast<char*>(kFinderTip);
    SendMessageA(m_tipFinder, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

bool CFinderBar::PreTranslateMessage(MSG* message)
{
    if (m_tipFinder && IsWindow(m_tipFinder))
        SendMessageA(m_tipFinder, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
    return DialogBar::PreTranslateMessage(message);
}

LRESULT CFinderBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kInitBarMessage:
        InitBar();
        return 0;
    case WM_ERASEBKGND:
        m_cErased = 'Y';
        break;
    }
    return DialogBar::WndProc(message, wParam, lParam);
}
