#include "finder_bar.h"

#include "application.h"
#include "document.h"
#include "edit_view.h"
#include "private_messages.h"
#include "resource.h"

#include <commctrl.h>

namespace {

constexpr UINT kFinderBarId = 0xE805;  // 59397, the framework's dialog-bar id

struct BarButton {
    int id;
    int iconIn;
    int iconOut;
};

// In the order save, cut, copy, paste.
constexpr BarButton kBarButtons[] = {
    {kCommandSave, IDI_SAVE_IN, IDI_SAVE_OUT},
    {kCommandCut, IDI_CUT_IN, IDI_CUT_OUT},
    {kCommandCopy, IDI_COPY_IN, IDI_COPY_OUT},
    {kCommandPaste, IDI_PASTE_IN, IDI_PASTE_OUT},
};

}  // namespace

CFinderBar::CFinderBar() : m_cErased('N') {}

bool CFinderBar::CreateFinderBar(HWND frame)
{
    if (!CreateBar(frame, IDD_FINDER_BAR, kFinderBarId))
        return false;
    PostMessageW(Handle(), kInitFinderBar, 0, 0);
    return true;
}

void CFinderBar::InitBar()
{
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        CIconButton& button = m_buttons[i];
        button.Subclass(GetDlgItem(Handle(), kBarButtons[i].id));
        button.AssignIcons(kBarButtons[i].iconIn, kBarButtons[i].iconOut);
        button.ShowFlatFrame(false, true);
        button.UseParentBackdrop(false);
    }
    // The buttons were drawn as plain buttons before: the bar paints its
    // background under them again before they take it as their backdrop.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    AddFinderTip();
}

void CFinderBar::RefreshBackdrops()
{
    for (CIconButton& button : m_buttons)
        button.UseParentBackdrop(false);
}

void CFinderBar::AddFinderTip()
{
    m_tipFinder = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                  Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_tipFinder)
        return;
    SendMessageW(m_tipFinder, TTM_ACTIVATE, TRUE, 0);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(Handle(), IDC_FINDER_IMAGE));
    std::wstring tip = LoadString(IDS_FINDER_TIP);
    tool.lpszText = &tip[0];
    SendMessageW(m_tipFinder, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool CFinderBar::PreTranslateMessage(MSG* message)
{
    if (m_tipFinder && IsWindow(m_tipFinder))
        SendMessageW(m_tipFinder, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
    return DialogBar::PreTranslateMessage(message);
}

LRESULT CFinderBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kInitFinderBar:
        InitBar();
        return 0;
    case WM_ERASEBKGND:
        m_cErased = 'Y';
        break;
    case WM_SIZE: {
        const LRESULT result = DialogBar::WndProc(message, wParam, lParam);
        if (m_cErased != 'N')
            RefreshBackdrops();
        return result;
    }
    case WM_SYSCOLORCHANGE: {
        const LRESULT result = DialogBar::WndProc(message, wParam, lParam);
        // Child windows hear of new colours only from their parent.
        for (CIconButton& button : m_buttons)
            SendMessageW(button.Handle(), WM_SYSCOLORCHANGE, 0, 0);
        RefreshBackdrops();
        return result;
    }
    }
    return DialogBar::WndProc(message, wParam, lParam);
}
