// The end of a finder gesture: the marked window becomes a new output
// document.
#include "application.h"
#include "conversion.h"
#include "document.h"
#include "edit_view.h"
#include "main_frame.h"
#include "mdi_child.h"

namespace {

const char kErrorCaption[] = "エラーメッセージ";

// The conversion's messages, as message boxes of the main frame.
class MessageBoxReporter : public CaptureReporter {
public:
    explicit MessageBoxReporter(HWND frame) : frame_(frame) {}

    void NoTarget() override
    {
        SetForegroundWindow(frame_);
        const std::string text = std::string(kNoTargetMessage) + "\n";
        MessageBoxA(frame_, text.c_str(), kErrorCaption, MB_OK | MB_ICONEXCLAMATION);
    }
    void ItemLimitReached() override
    {
        Application::Current()->ShowMessage(kItemLimitMessage, MB_OK | MB_ICONEXCLAMATION);
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
        SetMessageText(gaps);
}

bool CMainFrame::ShowConversion(const ConversionResult& result)
{
    SendMessageA(Handle(), WM_COMMAND, kCommandNew, 0);
    MdiChildWindow* child = ActiveChild();
    auto* view = child ? dynamic_cast<EditView*>(child->GetView()) : nullptr;
    Document* document = view ? view->GetDocument() : nullptr;
    if (!document)
        return false;  // the new document could not be made; the framework has said why
    HWND edit = view->Edit();
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(result.text.c_str()));
    SendMessageA(edit, EM_LINESCROLL, static_cast<WPARAM>(-999), -999);
    document->SetModifiedFlag(false);
    document->SetTitle(result.title);
    return true;
}
