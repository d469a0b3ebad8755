// The end of a finder gesture: the marked window becomes a new output
// document.
#include "application.h"
#include "code_page_932.h"
#include "conversion.h"
#include "document.h"
#include "edit_view.h"
#include "main_frame.h"
#include "mdi_child.h"

namespace {

const wchar_t kErrorCaption[] = L"エラーメッセージ";

// The conversion's messages, as message boxes of the main frame.
class MessageBoxReporter : public CaptureReporter {
public:
    explicit MessageBoxReporter(HWND frame) : frame_(frame) {}

    void NoTarget() override
    {
        SetForegroundWindow(frame_);
        const std::wstring text = FromCodePage932(kNoTargetMessage) + L"\n";
        MessageBoxW(frame_, text.c_str(), kErrorCaption, MB_OK | MB_ICONEXCLAMATION);
    }
    void ItemLimitReached() override
    {
        Application::Current()->ShowMessage(FromCodePage932(kItemLimitMessage), MB_OK | MB_ICONEXCLAMATION);
    }

private:
    HWND frame_;
};

// Shows the wait cursor while it lives.
class WaitCursor {
public:
    explicit WaitCursor(bool* waiting) : waiting_(waiting), previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT)))
    {
        *waiting_ = true;
    }
    ~WaitCursor()
    {
        *waiting_ = false;
        SetCursor(previous_);
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool* waiting_;
    HCURSOR previous_;
};

// The picture as the view shows it.
std::wstring PictureText(const ConversionResult& result)
{
    return FromCodePage932(result.text);
}

}  // namespace

void CMainFrame::ConvertWindow()
{
    HWND dropped = DropTarget;
    DropTarget = nullptr;
    MessageBoxReporter reporter(Handle());
    ConversionResult result;
    {
        WaitCursor wait(&converting_);
        if (!::ConvertWindow(dropped, &result, reporter))
            return;
    }
    if (!ShowConversion(result))
        return;
    // What could not be read is said in the message pane, without a box.
    if (const char* gaps = GapsMessage(result.gaps))
        SetMessageText(FromCodePage932(gaps));
}

bool CMainFrame::ShowConversion(const ConversionResult& result)
{
    SendMessageW(Handle(), WM_COMMAND, kCommandNew, 0);
    MdiChildWindow* child = ActiveChild();
    auto* view = child ? dynamic_cast<EditView*>(child->GetView()) : nullptr;
    Document* document = view ? view->GetDocument() : nullptr;
    if (!document)
        return false;  // the new document could not be made; the framework has said why
    HWND edit = view->Edit();
    const std::wstring picture = PictureText(result);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(picture.c_str()));
    SendMessageW(edit, EM_LINESCROLL, static_cast<WPARAM>(-999), -999);
    document->SetModifiedFlag(false);
    document->SetTitle(FromCodePage932(result.title));
    return true;
}
