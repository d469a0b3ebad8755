#include "document.h"

#include "application.h"
#include "doc_template.h"
#include "file_bytes.h"
#include "file_dialogs.h"
#include "mdi_child.h"
#include "mdi_frame.h"
#include "view.h"

#include <algorithm>

namespace {

// An edit view holds at most this many bytes.
constexpr size_t kLargestFile = 0xFFFFF;

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A title stands on one line in captions, the Window menu and prompts: the
// first line of `text`, without control characters. No byte of a
// double-byte character is below 0x20, so the bytes can be taken one by one.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (char byte : text.substr(0, text.find_first_of("\r\n"))) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x20 && code != 0x7F)
            line += byte;
    }
    return line;
}

}  // namespace

void Document::SetTitle(const std::string& title)
{
    title_ = OneLine(title);
    UpdateFrameTitles();
}

void Document::SetPathName(const std::string& path)
{
    path_ = path;
    SetTitle(FileNameOf(path));
    Application::Current()->AddToRecentFiles(path);
}

void Document::AddView(View* view)
{
    views_.push_back(view);
    UpdateFrameTitles();
}

void Document::RemoveView(View* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    if (views_.empty()) {
        template_->RemoveDocument(this);  // deletes this document
        return;
    }
    UpdateFrameTitles();
}

void Document::UpdateFrameTitles() const
{
    const int count = static_cast<int>(views_.size());
    for (int i = 0; i < count; ++i) {
        if (MdiChildWindow* frame = views_[i]->Frame())
            frame->UpdateTitle(i + 1, count);
    }
    if (MdiFrameWindow* main = Application::Current()->MainFrame())
        main->UpdateTitles();
}

bool Document::OnNewDocument()
{
    path_.clear();
    modified_ = false;
    return true;
}

bool Document::OnOpenDocument(const std::string& path)
{
    Application* app = Application::Current();
    View* view = FirstView();
    std::string bytes;
    switch (ReadFileBytes(path, kLargestFile, &bytes)) {
    case ReadResult::Ok:
        break;
    case ReadResult::TooLarge:
        app->ShowMessage(kFileTooLargeMessage, MB_OK | MB_ICONEXCLAMATION, path);
        return false;
    case ReadResult::Failed:
        app->ShowMessage(kOpenFailedMessage, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!view || !view->LoadBytes(bytes)) {
        app->ShowMessage(kOpenFailedMessage, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    modified_ = false;
    return true;
}

bool Document::OnSaveDocument(const std::string& path)
{
    View* view = FirstView();
    if (!view || !WriteFileReplacing(path, view->SaveBytes())) {
        Application::Current()->ShowMessage(kSaveFailedMessage, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    modified_ = false;
    return true;
}

bool Document::DoSave(const std::string& path)
{
    std::string target = path;
    if (target.empty()) {
        std::string suggestion = path_.empty() ? title_ : path_;
        if (path_.empty() && template_ && suggestion.find('.') == std::string::npos)
            suggestion += template_->FilterExtension();
        target = AskSavePath(Application::Current()->MainWindow(), template_ ? template_->FilterName() : std::string(),
                             template_ ? template_->FilterExtension() : std::string(), suggestion);
        if (target.empty())
            return false;
    }
    if (!OnSaveDocument(target))
        return false;
    SetPathName(target);
    return true;
}

bool Document::DoFileSave()
{
    return DoSave(path_);
}

bool Document::SaveModified()
{
    if (!modified_)
        return true;
    switch (Application::Current()->ShowMessage(kSaveChangesMessage, MB_YESNOCANCEL | MB_ICONEXCLAMATION,
                                                path_.empty() ? title_ : path_)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void Document::OnCloseDocument()
{
    // The last frame's destruction deletes this document: copy the list first.
    const std::vector<View*> views = views_;
    for (View* view : views) {
        if (MdiChildWindow* frame = view->Frame())
            frame->Close();
    }
}

bool Document::QueryCommand(UINT id, CommandState*)
{
    return id == kCommandClose || id == kCommandSave || id == kCommandSaveAs;
}

void Document::ExecuteCommand(UINT id)
{
    switch (id) {
    case kCommandClose:
        if (SaveModified())
            OnCloseDocument();
        break;
    case kCommandSave:
        DoFileSave();
        break;
    case kCommandSaveAs:
        DoSave({});
        break;
    }
}
