#include "doc_template.h"

#include "application.h"
#include "document.h"
#include "mdi_child.h"
#include "mdi_frame.h"
#include "same_path.h"
#include "view.h"

#include <algorithm>

namespace {

std::vector<std::wstring> SplitFields(const std::wstring& text)
{
    std::vector<std::wstring> fields(1);
    for (wchar_t c : text) {
        if (c == L'\n')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

}  // namespace

DocTemplate::DocTemplate(UINT resourceId, MakeDocument makeDocument, MakeFrame makeFrame, MakeView makeView)
    : resourceId_(resourceId),
      makeDocument_(std::move(makeDocument)),
      makeFrame_(std::move(makeFrame)),
      makeView_(std::move(makeView))
{
}

// Here, where a Document is a complete type.
DocTemplate::~DocTemplate() = default;

bool DocTemplate::LoadResources()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    menu_.Reset(LoadMenuW(instance, MAKEINTRESOURCEW(resourceId_)));
    accelerators_.Reset(LoadAcceleratorsW(instance, MAKEINTRESOURCEW(resourceId_)));
    fields_ = SplitFields(LoadString(resourceId_));
    return static_cast<bool>(menu_);
}

std::wstring DocTemplate::Field(size_t index) const
{
    return index < fields_.size() ? fields_[index] : std::wstring();
}

Document* DocTemplate::FindDocument(const std::wstring& path) const
{
    for (const auto& document : documents_) {
        if (!document->PathName().empty() && SamePath(document->PathName(), path))
            return document.get();
    }
    return nullptr;
}

MdiChildWindow* DocTemplate::CreateNewFrame(Document* document)
{
    MdiFrameWindow* mainFrame = Application::Current()->MainFrame();
    std::unique_ptr<MdiChildWindow> frame(makeFrame_());
    if (!mainFrame || !frame->CreateFrame(mainFrame, document, std::unique_ptr<View>(makeView_())))
        return nullptr;
    return Window::GiveToWindow(std::move(frame));
}

Document* DocTemplate::OpenDocumentFile(const std::wstring& path)
{
    std::unique_ptr<Document> owned = makeDocument_();
    Document* document = owned.get();
    document->template_ = this;
    documents_.push_back(std::move(owned));

    MdiChildWindow* frame = CreateNewFrame(document);
    if (!frame) {
        RemoveDocument(document);
        return nullptr;
    }
    bool made;
    if (path.empty()) {
        document->SetTitle(DocumentName() + std::to_wstring(++untitledCount_));
        made = document->OnNewDocument();
    } else {
        made = document->OnOpenDocument(path);
        if (made)
            document->SetPathName(path);
    }
    if (!made) {
        frame->Close();  // the last frame takes the document with it
        return nullptr;
    }
    frame->GetView()->OnInitialUpdate();
    frame->Activate();
    return document;
}

void DocTemplate::RemoveDocument(Document* document)
{
    documents_.erase(std::remove_if(documents_.begin(), documents_.end(),
                                    [document](const auto& owned) { return owned.get() == document; }),
                     documents_.end());
}

bool DocTemplate::SaveAllModified() const
{
    for (const auto& document : documents_) {
        if (!document->SaveModified())
            return false;
    }
    return true;
}

void DocTemplate::CloseAllDocuments()
{
    while (!documents_.empty()) {
        const size_t before = documents_.size();
        documents_.back()->OnCloseDocument();
        if (documents_.size() == before)  // a document without frames
            documents_.pop_back();
    }
}

bool DocTemplate::QueryCommand(UINT, CommandState*)
{
    return false;
}

void DocTemplate::ExecuteCommand(UINT) {}
