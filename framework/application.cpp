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

const char kFrameworkSection[] = "Settings";
const char kPreviewPagesKey[] = "PreviewPages";

// "%1" in a message stands for its argument.
std::string Substitute(std::string text, const std::string& argument)
{
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

}  // namespace

std::string LoadString(UINT id)
{
    // LoadStringA cannot tell the length first; the table's strings are short.
    char text[1024];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string PromptPart(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

std::string TipPart(const std::string& text)
{
    const size_t newline = text.find('\n');
    return newline == std::string::npos ? std::string() : text.substr(newline + 1);
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

void Application::SetRegistryKey(const char* company)
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

void Application::AddToRecentFiles(const std::string& path)
{
    if (recentFiles_) {
        recentFiles_->Add(path);
        recentFiles_->Save();
    }
}

Document* Application::OpenDocumentFile(const std::string& path)
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

int Application::ShowMessage(const std::string& text, UINT type) const
{
    HWND owner = MainWindow();
    return MessageBoxA(owner, text.c_str(), name_.c_str(), type);
}

int Application::ShowMessage(UINT stringId, UINT type, const std::string& argument) const
{
    return ShowMessage(Substitute(LoadString(stringId), argument), type);
}

void Application::OpenRecentFile(size_t index)
{
    const std::string path = recentFiles_->Path(index);
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
        const std::string path =
            AskOpenPath(MainWindow(), docTemplate ? docTemplate->FilterName() : "",
                        docTemplate ? docTemplate->FilterExtension() : "");
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
    return accelerators && TranslateAcceleratorA(mainFrame_->Handle(), accelerators, message);
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
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
            OnIdle();
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (!PreTranslate(&message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    ExitInstance();
    return static_cast<int>(message.wParam);
}
