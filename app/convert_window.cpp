// The end of a finder gesture: the marked window becomes a new output
// document.
#include "application.h"
#include "code_page_932.h"
#include "conversion.h"
#include "document.h"
#include "edit_view.h"
#include "main_frame.h"
#include "mdi_child.h"
#include "resource.h"

namespace {

// Each of the conversion's messages has its text in the interface's
// language under its own id of the string table.
struct MessageText {
    const char* message;
    UINT id;
};

const MessageText kMessageTexts[] = {
    {kNoTargetMessage, IDS_NO_TARGET},
    {kItemLimitMessage, IDS_ITEM_LIMIT},
    {kSilentProgramMessage, IDS_SILENT_PROGRAM},
    {kVanishedWindowMessage, IDS_VANISHED_WINDOW},
    {kOutOfBoundsMessage, IDS_OUT_OF_BOUNDS},
    {kTableFullMessage, IDS_TABLE_FULL},
    {kProcessNotOpenedMessage, IDS_PROCESS_NOT_OPENED},
    {kTimeUpMessage, IDS_TIME_UP},
    {kCancelledMessage, IDS_CANCELLED},
};

std::wstring InterfaceText(const char* message)
{
    for (const MessageText& text : kMessageTexts) {
        if (text.message == message)
            return LoadString(text.id);
    }
    return FromCodePage932(message);
}

// The conversion's messages, as message boxes of the main frame.
class MessageBoxReporter : public CaptureReporter {
public:
    explicit MessageBoxReporter(HWND frame) : frame_(frame) {}

    void NoTarget() override
    {
        SetForegroundWindow(frame_);
        const std::wstring text = InterfaceText(kNoTargetMessage) + L"\n";
        MessageBoxW(frame_, text.c_str(), LoadString(IDS_ERROR_CAPTION).c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
    void ItemLimitReached() override
    {
        Application::Current()->ShowMessage(InterfaceText(kItemLimitMessage), MB_OK | MB_ICONEXCLAMATION);
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
        SetMessageText(InterfaceText(gaps));
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
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(result.unicodeText.c_str()));
    SendMessageW(edit, EM_LINESCROLL, static_cast<WPARAM>(-999), -999);
    document->SetModifiedFlag(false);
    document->SetTitle(FromCodePage932(result.title));
    return true;
}
