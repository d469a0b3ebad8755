#include "mdi_child.h"

#include "document.h"
#include "mdi_frame.h"
#include "view.h"

#include <string>

namespace {

const wchar_t kChildClass[] = L"QuillscapeChildFrame";

}  // namespace

// Here, where a View is a complete type.
MdiChildWindow::~MdiChildWindow() = default;

bool MdiChildWindow::CreateFrame(MdiFrameWindow* frame, Document* document, std::unique_ptr<View> view)
{
    mainFrame_ = frame;
    view_ = view.get();
    unmadeView_ = std::move(view);
    pendingDocument_ = document;
    if (!RegisterClassFor(kChildClass, CS_DBLCLKS, nullptr, LoadCursor(nullptr, IDC_ARROW),
                          reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    SIZE size{CW_USEDEFAULT, CW_USEDEFAULT};
    PreCreateWindow(&size);
    MDICREATESTRUCTW create{};
    create.szClass = kChildClass;
    create.szTitle = L"";
    create.hOwner = GetModuleHandleW(nullptr);
    create.x = CW_USEDEFAULT;
    create.y = CW_USEDEFAULT;
    create.cx = size.cx;
    create.cy = size.cy;
    create.style = WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    // Beside a maximised child a new one comes maximised too.
    BOOL maximised = FALSE;
    if (SendMessageW(frame->MdiClient(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)) && maximised)
        create.style |= WS_MAXIMIZE;
    create.lParam = reinterpret_cast<LPARAM>(this);
    return SendMessageW(frame->MdiClient(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)) != 0;
}

Document* MdiChildWindow::GetDocument() const
{
    return view_ ? view_->GetDocument() : nullptr;
}

void MdiChildWindow::UpdateTitle(int number, int count)
{
    Document* document = GetDocument();
    if (!document)
        return;
    std::wstring title = document->Title();
    if (count > 1)
        title += L":" + std::to_wstring(number);
    SetWindowTextW(Handle(), title.c_str());
}

void MdiChildWindow::Activate()
{
    ShowWindow(Handle(), SW_SHOW);
    SendMessageW(mainFrame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
    mainFrame_->OnChildrenChanged();
}

void MdiChildWindow::Close()
{
    SendMessageW(mainFrame_->MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
}

bool MdiChildWindow::QueryCommand(UINT, CommandState*)
{
    return false;
}

void MdiChildWindow::ExecuteCommand(UINT) {}

LRESULT MdiChildWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (Default(message, wParam, lParam) == -1 || !view_->CreateView(this, pendingDocument_))
            return -1;
        pendingDocument_ = nullptr;
        GiveToWindow(std::move(unmadeView_));
        return 0;
    case WM_SIZE: {
        const LRESULT result = Default(message, wParam, lParam);
        if (view_ && view_->Handle()) {
            RECT client;
            GetClientRect(Handle(), &client);
            MoveWindow(view_->Handle(), 0, 0, client.right, client.bottom, TRUE);
        }
        if (wParam == SIZE_MAXIMIZED || wParam == SIZE_RESTORED)
            mainFrame_->UpdateTitles();
        return result;
    }
    case WM_SETFOCUS:
        if (view_ && view_->Handle())
            SetFocus(view_->Handle());
        return 0;
    case WM_COMMAND:
        // Menu commands reach a child only through the frame's route.
        return SendMessageW(mainFrame_->Handle(), message, wParam, lParam);
    case WM_CLOSE:
        if (Document* document = GetDocument()) {
            if (document->Views().size() == 1 && !document->SaveModified())
                return 0;
        }
        break;
    case WM_MDIACTIVATE:
    case WM_DESTROY: {
        const LRESULT result = Default(message, wParam, lParam);
        mainFrame_->OnChildrenChanged();
        return result;
    }
    }
    return Default(message, wParam, lParam);
}

LRESULT MdiChildWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcW(Handle(), message, wParam, lParam);
}
