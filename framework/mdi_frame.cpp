#include "mdi_frame.h"

#include "application.h"
#include "dialog_bar.h"
#include "doc_template.h"
#include "document.h"
#include "mdi_child.h"
#include "print_preview.h"
#include "private_messages.h"
#include "status_bar.h"
#include "text_of_window.h"
#include "view.h"

namespace {

const wchar_t kFrameClass[] = L"QuillscapeMainFrame";

// The popup of `menu` that holds the Window commands, or null.
HMENU WindowPopupOf(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU popup = GetSubMenu(menu, i);
        if (popup && GetMenuState(popup, kCommandCascade, MF_BYCOMMAND) != static_cast<UINT>(-1))
            return popup;
    }
    return nullptr;
}

}  // namespace

bool MdiFrameWindow::LoadFrame(UINT resourceId, DWORD style)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(resourceId));
    if (!RegisterClassFor(kFrameClass, CS_DBLCLKS, icon, LoadCursor(nullptr, IDC_ARROW),
                          reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1)))
        return false;
    ownMenu_.Reset(LoadMenuW(instance, MAKEINTRESOURCEW(resourceId)));
    ownAccelerators_.Reset(LoadAcceleratorsW(instance, MAKEINTRESOURCEW(resourceId)));
    title_ = LoadString(resourceId);
    idleText_ = LoadString(kIdleMessageId);
    RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
    if (!PreCreateWindow(&rect))
        return false;
    shownMenu_ = ownMenu_.Get();
    return Create(kFrameClass, title_.c_str(), style, 0, rect, nullptr, ownMenu_.Get()) != nullptr;
}

bool MdiFrameWindow::CreateMdiClient()
{
    CLIENTCREATESTRUCT client{};
    client.hWindowMenu = nullptr;
    client.idFirstChild = kFirstMdiChildId;
    mdiClient_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                                 Handle(), nullptr, GetModuleHandleW(nullptr), &client);
    return mdiClient_ != nullptr;
}

MdiChildWindow* MdiFrameWindow::ActiveChild() const
{
    if (!mdiClient_)
        return nullptr;
    HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<MdiChildWindow*>(FromHandle(active));
}

CommandRoute MdiFrameWindow::Route() const
{
    CommandRoute route;
    if (MdiChildWindow* child = ActiveChild()) {
        View* view = child->GetView();
        Document* document = child->GetDocument();
        route.push_back(view);
        route.push_back(document);
        route.push_back(document ? document->Template() : nullptr);
        route.push_back(child);
    }
    route.push_back(const_cast<MdiFrameWindow*>(this));
    route.push_back(Application::Current());
    return route;
}

HACCEL MdiFrameWindow::Accelerators() const
{
    MdiChildWindow* child = ActiveChild();
    Document* document = child ? child->GetDocument() : nullptr;
    if (document && document->Template()->Accelerators())
        return document->Template()->Accelerators();
    return ownAccelerators_.Get();
}

void MdiFrameWindow::SetBars(DialogBar* topBar, StatusBar* statusBar)
{
    topBar_ = topBar;
    statusBar_ = statusBar;
    ShowIdleMessage();
    RecalcLayout();
}

void MdiFrameWindow::RecalcLayout()
{
    RECT client;
    GetClientRect(Handle(), &client);
    int top = 0, bottom = client.bottom;
    if (statusBar_ && statusBar_->Handle() && IsWindowVisible(statusBar_->Handle())) {
        SendMessageW(statusBar_->Handle(), WM_SIZE, 0, 0);  // a status bar places itself
        bottom -= statusBar_->Height();
    }
    if (preview_) {
        preview_->Place(RECT{0, 0, client.right, bottom});
        return;
    }
    if (topBar_ && topBar_->Handle()) {
        const int height = topBar_->Height();
        MoveWindow(topBar_->Handle(), 0, 0, client.right, height, TRUE);
        top = height;
    }
    if (mdiClient_)
        MoveWindow(mdiClient_, 0, top, client.right, bottom > top ? bottom - top : 0, TRUE);
}

void MdiFrameWindow::BeginPreview(PrintPreview* preview)
{
    preview_ = preview;
    menuBeforePreview_ = GetMenu(Handle());
    topBarBeforePreview_ = topBar_ && IsWindowVisible(topBar_->Handle());
    if (topBar_)
        ShowWindow(topBar_->Handle(), SW_HIDE);
    ShowWindow(mdiClient_, SW_HIDE);
    SetMenu(Handle(), nullptr);
    RecalcLayout();
}

void MdiFrameWindow::EndPreview()
{
    preview_ = nullptr;
    SetMenu(Handle(), menuBeforePreview_);
    DrawMenuBar(Handle());
    if (topBarBeforePreview_)
        ShowWindow(topBar_->Handle(), SW_SHOW);
    ShowWindow(mdiClient_, SW_SHOW);
    RecalcLayout();
    SetMenuFor(ActiveChild());  // children that came or went meanwhile
    ShowIdleMessage();
    if (MdiChildWindow* child = ActiveChild())
        SetFocus(child->Handle());
}

void MdiFrameWindow::SetMessageText(const std::wstring& text)
{
    if (statusBar_ && statusBar_->Handle())
        statusBar_->SetMessageText(text);
}

void MdiFrameWindow::ShowIdleMessage()
{
    SetMessageText(idleText_);
}

void MdiFrameWindow::OnChildrenChanged()
{
    PostMessageW(Handle(), kChildrenChanged, 0, 0);
}

void MdiFrameWindow::SetMenuFor(MdiChildWindow* child)
{
    Document* document = child ? child->GetDocument() : nullptr;
    HMENU menu = document && document->Template()->Menu() ? document->Template()->Menu() : ownMenu_.Get();
    if (menu == shownMenu_)
        return;
    shownMenu_ = menu;
    SendMessageW(mdiClient_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                 reinterpret_cast<LPARAM>(WindowPopupOf(menu)));
    DrawMenuBar(Handle());
}

void MdiFrameWindow::UpdateTitles()
{
    // The MDI client names each child in the Window menu when the child is
    // made, still untitled then, or when the menu comes; not when it is renamed.
    SendMessageW(mdiClient_, WM_MDIREFRESHMENU, 0, 0);
    DrawMenuBar(Handle());

    BOOL maximised = FALSE;
    MdiChildWindow* child = ActiveChild();
    if (child)
        SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    Document* document = child ? child->GetDocument() : nullptr;
    // DefFrameProc adds a maximised child's title itself, in brackets.
    const std::wstring caption = document && !maximised ? title_ + L" - " + document->Title() : title_;
    if (caption != WindowText(Handle()))
        SetWindowTextW(Handle(), caption.c_str());
}

void MdiFrameWindow::OnIdle()
{
    if (topBar_ && topBar_->Handle())
        topBar_->UpdateCommandStates(Route());
    if (statusBar_ && statusBar_->Handle())
        statusBar_->UpdateIndicators();
}

void MdiFrameWindow::OnInitMenuPopup(HMENU popup)
{
    if (RecentFileList* recent = Application::Current()->RecentFiles())
        recent->UpdateMenu(GetMenu(Handle()));
    const CommandRoute route = Route();
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1) || id >= kFirstMdiChildId)
            continue;  // separators, submenus and the Window menu's list of children
        if (id == kFirstRecentFileCommand && Application::Current()->RecentFiles()->Size() == 0)
            continue;  // the placeholder stays grey
        const CommandState state = StateOfCommand(route, id);
        EnableMenuItem(popup, i, MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(popup, i, MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void MdiFrameWindow::OnMenuSelect(UINT id, UINT flags, HMENU menu)
{
    if ((flags == 0xFFFF && !menu) || (flags & (MF_POPUP | MF_SEPARATOR))) {
        ShowIdleMessage();
        return;
    }
    UINT promptId = id;
    if (id >= kFirstRecentFileCommand && id < kFirstRecentFileCommand + 16)
        promptId = kFirstRecentFileCommand;
    else if (id >= kFirstMdiChildId)
        promptId = kFirstMdiChildId;
    const std::wstring prompt = PromptPart(LoadString(promptId));
    if (prompt.empty())
        ShowIdleMessage();
    else
        SetMessageText(prompt);
}

bool MdiFrameWindow::QueryCommand(UINT id, CommandState* state)
{
    switch (id) {
    case kCommandExit:
        return true;
    case kCommandToggleStatusBar:
        state->checked = statusBar_ && IsWindowVisible(statusBar_->Handle());
        state->enabled = statusBar_ != nullptr;
        return true;
    case kCommandNewWindow:
    case kCommandArrangeIcons:
    case kCommandCascade:
    case kCommandTile:
        state->enabled = ActiveChild() != nullptr;
        return true;
    }
    return false;
}

void MdiFrameWindow::ExecuteCommand(UINT id)
{
    switch (id) {
    case kCommandExit:
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
        break;
    case kCommandToggleStatusBar:
        ShowWindow(statusBar_->Handle(), IsWindowVisible(statusBar_->Handle()) ? SW_HIDE : SW_SHOW);
        RecalcLayout();
        break;
    case kCommandNewWindow:
        if (MdiChildWindow* child = ActiveChild()) {
            Document* document = child->GetDocument();
            if (MdiChildWindow* frame = document->Template()->CreateNewFrame(document)) {
                // UTF-16 keeps every character; the file's own bytes stay with the first view.
                frame->GetView()->LoadBytes(child->GetView()->SaveBytes(TextEncoding::Utf16, nullptr),
                                            TextEncoding::Utf16);
                frame->GetView()->OnInitialUpdate();
                frame->Activate();
            }
        }
        break;
    case kCommandArrangeIcons:
        SendMessageW(mdiClient_, WM_MDIICONARRANGE, 0, 0);
        break;
    case kCommandCascade:
        SendMessageW(mdiClient_, WM_MDICASCADE, 0, 0);
        break;
    case kCommandTile:
        SendMessageW(mdiClient_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
        break;
    }
}

LRESULT MdiFrameWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (!CreateMdiClient())
            return -1;
        return OnCreate();
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        // Control notifications other than clicks are not commands.
        if (lParam && code != BN_CLICKED)
            break;
        if (RouteCommand(Route(), id))
            return 0;
        break;
    }
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam))
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_EXITMENULOOP:
        ShowIdleMessage();
        break;
    case kChildrenChanged:
        if (!preview_)
            SetMenuFor(ActiveChild());
        UpdateTitles();
        return 0;
    case WM_CLOSE:
        if (preview_)
            preview_->Close();
        if (!Application::Current()->SaveAllModified())
            return 0;
        Application::Current()->CloseAllDocuments();
        Application::Current()->SaveStdProfileSettings();
        OnDestroyFrame();
        DestroyWindow(Handle());
        return 0;
    case WM_DESTROY:
        preview_ = nullptr;  // a preview still shown goes with the frame's children
        SetMenu(Handle(), nullptr);  // the menus are destroyed with their owners, not with the frame
        PostQuitMessage(0);
        break;
    }
    return Default(message, wParam, lParam);
}

LRESULT MdiFrameWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefFrameProcW(Handle(), mdiClient_, message, wParam, lParam);
}
