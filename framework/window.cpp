#include "window.h"

#include "private_messages.h"

#include <commctrl.h>

namespace {

// A window property rather than GWLP_USERDATA or DWLP_USER: subclassed
// controls and dialogs may use those themselves.
const wchar_t kObjectProperty[] = L"QuillscapeWindow";

// Our place in a window's chain of subclasses.
constexpr UINT_PTR kSubclassId = 0x5153;

// The child control a message to its parent is about, or null (menus and
// accelerators have none).
HWND ControlOf(UINT message, LPARAM lParam)
{
    if (message == WM_COMMAND || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC))
        return reinterpret_cast<HWND>(lParam);
    if (message == WM_NOTIFY)
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    return nullptr;
}

}  // namespace

Window::~Window()
{
    if (hwnd_) {
        HWND hwnd = hwnd_;
        Unbind();
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
}

Window* Window::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<Window*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

bool Window::RegisterClassFor(const wchar_t* className, UINT style, HICON icon, HCURSOR cursor,
                              HBRUSH background)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = CreatedProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Window::Create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, const RECT& rect,
                    HWND parent, HMENU menuOrId)
{
    const bool placed = rect.left != CW_USEDEFAULT;
    return CreateWindowExW(exStyle, className, title, style, rect.left, placed ? rect.top : CW_USEDEFAULT,
                           placed ? rect.right - rect.left : CW_USEDEFAULT, placed ? rect.bottom - rect.top : 0,
                           parent, menuOrId, GetModuleHandleW(nullptr), this);
}

bool Window::Subclass(HWND hwnd)
{
    if (!hwnd || hwnd_ || FromHandle(hwnd) || !Bind(hwnd))
        return false;
    if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        Unbind();
        return false;
    }
    subclassed_ = true;
    return true;
}

bool Window::Bind(HWND hwnd)
{
    if (!SetPropW(hwnd, kObjectProperty, this))
        return false;
    hwnd_ = hwnd;
    return true;
}

void Window::Unbind()
{
    if (subclassed_) {
        RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
        subclassed_ = false;
    }
    RemovePropW(hwnd_, kObjectProperty);
    hwnd_ = nullptr;
}

bool Window::PreTranslateMessage(MSG*)
{
    return false;
}

LRESULT Window::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (subclassed_)
        return DefSubclassProc(hwnd_, message, wParam, lParam);
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Window::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) const
{
    // Only the control's own parent reflects: a bar that hands its
    // controls' notifications on to its frame must not have them reflected twice.
    const HWND control = ControlOf(message, lParam);
    if (!control || GetParent(control) != hwnd_ || !FromHandle(control))
        return false;
    const LRESULT answer = SendMessageW(control, Reflected(message), wParam, lParam);
    if (!answer)
        return false;
    *result = message == WM_COMMAND ? 0 : answer;
    return true;
}

LRESULT Window::Dispatch(Window* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT reflected;
    if (window->ReflectToChild(message, wParam, lParam, &reflected))
        return reflected;
    if (message != WM_NCDESTROY)
        return window->WndProc(message, wParam, lParam);
    const LRESULT result = window->WndProc(message, wParam, lParam);
    window->Unbind();
    window->OnFinalMessage();
    if (window->ownedByWindow_)
        delete window;
    return result;
}

LRESULT CALLBACK Window::CreatedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FromHandle(hwnd);
    if (!window && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        // MDI children get their creation parameter wrapped once more.
        void* param = create->lpCreateParams;
        if (create->dwExStyle & WS_EX_MDICHILD)
            param = reinterpret_cast<void*>(reinterpret_cast<MDICREATESTRUCTW*>(param)->lParam);
        window = static_cast<Window*>(param);
        if (window && !window->Bind(hwnd))
            return FALSE;
    }
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return Dispatch(window, message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR object)
{
    return Dispatch(reinterpret_cast<Window*>(object), message, wParam, lParam);
}
