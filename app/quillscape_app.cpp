#include "quillscape_app.h"

#include "about_dialog.h"
#include "child_frame.h"
#include "doc_template.h"
#include "interface_language.h"
#include "quillscape_doc.h"
#include "quillscape_view.h"
#include "resource.h"
#include "settings.h"

#include <commctrl.h>
#include <ole2.h>

namespace {

constexpr DWORD kMainFrameStyle = 0x00CF8000;  // WS_OVERLAPPEDWINDOW and the framework's add-title flag
constexpr int kRecentFileCount = 4;

}  // namespace

bool CQuillscapeApp::InitInstance()
{
    if (FAILED(OleInitialize(nullptr)))
        return false;
    oleStarted_ = true;
    INITCOMMONCONTROLSEX controls{8, 0xFF};
    InitCommonControlsEx(&controls);

    SetRegistryKey(L"Quon");
    LoadStdProfileSettings(kRecentFileCount);
    LoadOptionFlags(GetProfile());
    UseInterfaceLanguage(ChooseInterfaceLanguage(LoadLanguageChoice(GetProfile()), GetUserDefaultUILanguage()));

    auto docTemplate = std::make_unique<DocTemplate>(
        IDR_QSCTYPE, [] { return std::make_unique<CQuillscapeDoc>(); }, [] { return new CChildFrame; },
        [] { return new CQuillscapeView; });
    if (!docTemplate->LoadResources())
        return false;
    AddDocTemplate(std::move(docTemplate));

    mainFrame_ = std::make_unique<CMainFrame>();
    SetMainFrame(mainFrame_.get());
    if (!mainFrame_->LoadFrame(IDR_MAINFRAME, kMainFrameStyle & ~0x8000u)) {
        SetMainFrame(nullptr);
        return false;
    }
    // The command line names no document to open and no shell command.
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    ShowWindow(mainFrame_->Handle(), startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : SW_SHOWNORMAL);
    UpdateWindow(mainFrame_->Handle());
    return true;
}

int CQuillscapeApp::ExitInstance()
{
    SetMainFrame(nullptr);
    mainFrame_.reset();
    if (oleStarted_)
        OleUninitialize();
    return 0;
}

bool CQuillscapeApp::QueryCommand(UINT id, CommandState* state)
{
    return id == kCommandAbout || Application::QueryCommand(id, state);
}

void CQuillscapeApp::ExecuteCommand(UINT id)
{
    if (id == kCommandAbout)
        CAboutDlg(mainFrame_ ? mainFrame_->Handle() : nullptr).DoModal();
    else
        Application::ExecuteCommand(id);
}
