#include "about_dialog.h"

#include "help.h"
#include "resource.h"

#include <string>

const wchar_t kProductPageAddress[] = L"http://quon.example";

namespace {

// The same numbers as the file version of the version resource.
constexpr int kVersionMajor = 2;
constexpr int kVersionMinor = 0;
constexpr int kVersionPatch = 2;

constexpr COLORREF kLinkColour = RGB(0, 102, 204);

}  // namespace

std::wstring VersionLine()
{
    return L"Quillscape Version " + std::to_wstring(kVersionMajor) + L"." + std::to_wstring(kVersionMinor) + L"." +
           std::to_wstring(kVersionPatch);
}

CAboutDlg::CAboutDlg(HWND parent) : ModalDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.Control(IDC_PRODUCT_LINK, m_link);
}

bool CAboutDlg::OnInitDialog()
{
    ModalDialog::OnInitDialog();
    SetDlgItemTextW(Handle(), IDC_VERSION_LINE, VersionLine().c_str());
    SetDlgItemTextW(Handle(), IDC_PRODUCT_LINK, kProductPageAddress);
    m_link.SetTarget(kProductPageAddress)
        .SetLinkMode(true)
        .SetTextColor(kLinkColour)
        .SetUnderline(true)
        .SetLinkCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_CURSOR)));
    return true;
}

INT_PTR CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP) {
        ShowHelp();
        return TRUE;
    }
    return ModalDialog::OnMessage(message, wParam, lParam);
}
