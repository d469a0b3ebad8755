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

// An edit view holds at most this many UTF-16 units; a file of them takes at
// most three bytes for each (in UTF-8), and a byte-order mark.
constexpr size_t kLargestText = 0xFFFFF;
constexpr size_t kLargestFile = 3 * kLargestText + 3;

std::wstring FileNameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// A title stands on one line in captions, the Window menu and prompts: the
// first line of `text`, without control characters.
std::wstring OneLine(const std::wstring& text)
{
    std::wstring line;
    for (wchar_t character : text.substr(0, text.find_first_of(L"\r\n"))) {
        if (character >= 0x20 && character != 0x7F)
            line += character;
    }
    return line;
}

}  // namespace

void Document::SetTitle(const std::wstring& title)
{
    title_ = OneLine(title);
    UpdateFrameTitles();
}

void Document::SetPathName(const std::wstring& path)
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

bool Document::OnOpenDocument(const std::wstring& path)
{
    Application* app = Application::Current();
    View* view = FirstView();
    std::string bytes;
    ReadResult read = ReadFileBytes(path, kLargestFile, &bytes);
    const TextEncoding encoding = DetectEncoding(bytes);
    if (read == ReadResult::Ok && DecodeText(bytes, encoding).size() > kLargestText)
        read = ReadResult::TooLarge;
    switch (read) {
    case ReadResult::Ok:
        break;
    case ReadResult::TooLarge:
        app->ShowMessage(kFileTooLargeMessage, MB_OK | MB_ICONEXCLAMATION, path);
        return false;
    case ReadResult::Failed:
        app->ShowMessage(kOpenFailedMessage, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!view || !view->LoadBytes(bytes, encoding)) {
        app->ShowMessage(kOpenFailedMessage, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    encoding_ = encoding;
    modified_ = false;
    return true;
}

bool Document::OnSaveDocument(const std::wstring& path)
{
    Application* app = Application::Current();
    View* view = FirstView();
    bool lost = false;
    const std::string bytes = view ? view->SaveBytes(encoding_, &lost) : std::string();
    if (lost && app->ShowMessage(kShiftJisLosesMessage, MB_YESNO | MB_ICONQUESTION, path) != IDYES)
        return false;
    if (!view || !WriteFileReplacing(path, bytes)) {
        app->ShowMessage(kSaveFailedMessage, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    modified_ = false;
    return true;
}

bool Document::DoSave(const std::wstring& path)
{
    std::wstring target = path;
    const TextEncoding before = encoding_;
    if (target.empty()) {
        std::wstring suggestion = path_.empty() ? title_ : path_;
        if (path_.empty() && template_ && suggestion.find(L'.') == std::wstring::npos)
            suggestion += template_->FilterExtension();
        target = AskSavePath(Application::Current()->MainWindow(), template_ ? template_->FilterName() : std::wstring(),
                             template_ ? template_->FilterExtension() : std::wstring(), suggestion, &encoding_);
        if (target.empty())
            return false;
    }
    if (!OnSaveDocument(target)) {
        encoding_ = before;
        return false;
    }
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
