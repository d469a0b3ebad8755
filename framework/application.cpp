#include "application.h"

#include "doc_template.h"
#include "document.h"
#include "file_dialogs.h"
#include "mdi_child.h"
#include "mdi_frame.h"
#include "print_texts.h"
#include "view.h"
#include "window.h"

namespace {

Application* current;

const wchar_t kFrameworkSection[] = L"Settings";
const wchar_t kPreviewPagesKey[] = L"PreviewPages";

// "%1" in a message stands for its argument.
std::wstring Substitute(std::wstring text, const std::wstring& argument)
{
    const size_t at = text.find(L"%1");
    if (at != std::wstring::npos)
        text.replace(at, 2, argument);
    return text;
}

}  // namespace

std::wstring LoadString(UINT id)
{
    // A buffer size of 0 gives a pointer to the resource's own characters.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::wstring PromptPart(const std::wstring& text)
{
    return text.substr(0, text.find(L'\n'));
}

std::wstring TipPart(const std::wstring& text)
{
    const size_t newline = text.find(L'\n');
    return newline == std::wstring::npos ? std::wstring() : text.substr(newline + 1);
}

Application::Application()
{
    current = this;
}

Application::~Application()
{
    if (current == this)
        current = nullptr;
}

Application* Application::Current()
{
    return current;
}

void Application::SetRegistryKey(const wchar_t* company)
{
    name_ = LoadString(kApplicationNameId);
    profile_ = Profile(company, name_);
}

void Application::LoadStdProfileSettings(int recentFiles)
{
    recentFiles_ = std::make_unique<RecentFileList>(profile_, recentFiles);
    recentFiles_->Load();
    previewPages_ = profile_.GetInt(kFrameworkSection, kPreviewPagesKey, 0);
}

void Application::SaveStdProfileSettings() const
{
    profile_.WriteInt(kFrameworkSection, kPreviewPagesKey, previewPages_);
}

bool Application::GetPrinterDeviceDefaults(PRINTDLGA* dialog)
{
    return printer_.GetDefaults(dialog);
}

bool Application::DoPrintDialog(PRINTDLGA* dialog)
{
    dialog->hwndOwner = MainWindow();
    return printer_.RunDialog(dialog);
}

void Application::PrintSetup()
{
    if (!printer_.EnsureDefaults()) {
        ShowMessage(kNoPrinterText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_PRINTSETUP;
    DoPrintDialog(&dialog);
}

void Application::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate)
{
    templates_.push_back(std::move(docTemplate));
}

DocTemplate* Application::FirstTemplate() const
{
    return templates_.empty() ? nullptr : templates_.front().get();
}

void Application::AddToRecentFiles(const std::wstring& path)
{
    if (recentFiles_) {
        recentFiles_->Add(path);
        recentFiles_->Save();
    }
}

Document* Application::OpenDocumentFile(const std::wstring& path)
{
    DocTemplate* docTemplate = FirstTemplate();
    if (!docTemplate)
        return nullptr;
    // A file that is open already is shown, not read a second time.
    if (Document* open = path.empty() ? nullptr : docTemplate->FindDocument(path)) {
        if (View* view = open->FirstView())
            view->Frame()->Activate();
        return open;
    }
    return docTemplate->OpenDocumentFile(path);
}

bool Application::SaveAllModified() const
{
    for (const auto& docTemplate : templates_) {
        if (!docTemplate->SaveAllModified())
            return false;
    }
    return true;
}

void Application::CloseAllDocuments() const
{
    for (const auto& docTemplate : templates_)
        docTemplate->CloseAllDocuments();
}

HWND Application::MainWindow() const
{
    return mainFrame_ ? mainFrame_->Handle() : nullptr;
}

int Application::ShowMessage(const std::wstring& text, UINT type) const
{
    HWND owner = MainWindow();
    return MessageBoxW(owner, text.c_str(), name_.c_str(), type);
}

int Application::ShowMessage(UINT stringId, UINT type, const std::wstring& argument) const
{
    return ShowMessage(Substitute(LoadString(stringId), argument), type);
}

void Application::OpenRecentFile(size_t index)
{
    const std::wstring path = recentFiles_->Path(index);
    if (OpenDocumentFile(path))
        return;
    // A file that can no longer be opened leaves the list.
    recentFiles_->Remove(index);
    recentFiles_->Save();
}

bool Application::QueryCommand(UINT id, CommandState*)
{
    return id == kCommandNew || id == kCommandOpen || id == kCommandPrintSetup ||
           (recentFiles_ && recentFiles_->IndexOfCommand(id) >= 0);
}

void Application::ExecuteCommand(UINT id)
{
    if (id == kCommandNew) {
        OpenDocumentFile({});
    } else if (id == kCommandOpen) {
        DocTemplate* docTemplate = FirstTemplate();
        const std::wstring path =
            AskOpenPath(MainWindow(), docTemplate ? docTemplate->FilterName() : L"",
                        docTemplate ? docTemplate->FilterExtension() : L"");
        if (!path.empty())
            OpenDocumentFile(path);
    } else if (id == kCommandPrintSetup) {
        PrintSetup();
    } else if (recentFiles_) {
        const int index = recentFiles_->IndexOfCommand(id);
        if (index >= 0)
            OpenRecentFile(static_cast<size_t>(index));
    }
}

// The focus window and its parents up to the main frame get the message
// first: a bar relays it to its tooltips, for example.
bool Application::PreTranslate(MSG* message) const
{
    for (HWND hwnd = message->hwnd; hwnd; hwnd = GetParent(hwnd)) {
        if (Window* window = Window::FromHandle(hwnd)) {
            if (window->PreTranslateMessage(message))
                return true;
        }
        if (mainFrame_ && hwnd == mainFrame_->Handle())
            break;
    }
    // The print preview has no menu: its keys are its own.
    if (!mainFrame_ || !mainFrame_->Handle() || mainFrame_->Preview())
        return false;
    if (TranslateMDISysAccel(mainFrame_->MdiClient(), message))
        return true;
    HACCEL accelerators = mainFrame_->Accelerators();
    return accelerators && TranslateAcceleratorW(mainFrame_->Handle(), accelerators, message);
}

void Application::OnIdle()
{
    if (mainFrame_ && mainFrame_->Handle())
        mainFrame_->OnIdle();
}

int Application::Run()
{
    if (!InitInstance())
        return ExitInstance();
    MSG message;
    for (;;) {
        // Idle work once each time the queue has run empty.
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
            OnIdle();
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (!PreTranslate(&message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    ExitInstance();
    return static_cast<int>(message.wParam);
}
