#include "window.h"

namespace {

// A window property rather than GWLP_USERDATA: subclassed controls may use
// their user data themselves.
const char kObjectProperty[] = "QuillscapeWindow";

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
    return hwnd ? static_cast<Window*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

bool Window::RegisterClassFor(const char* className, UINT style, HICON icon, HCURSOR cursor,
                              HBRUSH background)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = CreatedProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Window::Create(const char* className, const char* title, DWORD style, DWORD exStyle, const RECT& rect,
                    HWND parent, HMENU menuOrId)
{
    const bool placed = rect.left != CW_USEDEFAULT;
    return CreateWindowExA(exStyle, className, title, style, rect.left, placed ? rect.top : CW_USEDEFAULT,
                           placed ? rect.right - rect.left : CW_USEDEFAULT, placed ? rect.bottom - rect.top : 0,
                           parent, menuOrId, GetModuleHandleA(nullptr), this);
}

bool Window::Subclass(HWND hwnd)
{
    if (!hwnd || hwnd_ || FromHandle(hwnd) || !Bind(hwnd))
        return false;
    subclassedProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassedProc)));
    return true;
}

bool Window::Bind(HWND hwnd)
{
    if (!SetPropA(hwnd, kObjectProperty, this))
        return false;
    hwnd_ = hwnd;
    return true;
}

void Window::Unbind()
{
    if (subclassedProc_) {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassedProc_));
        subclassedProc_ = nullptr;
    }
    RemovePropA(hwnd_, kObjectProperty);
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
    if (subclassedProc_)
        return CallWindowProcA(subclassedProc_, hwnd_, message, wParam, lParam);
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Window::ReflectDrawItem(LPARAM lParam)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlType == ODT_MENU || !FromHandle(item->hwndItem))
        return false;
    SendMessageA(item->hwndItem, kReflectedDrawItem, 0, lParam);
    return true;
}

LRESULT Window::Dispatch(Window* window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM && window->ReflectDrawItem(lParam))
        return TRUE;
    if (message != WM_NCDESTROY)
        return window->WndProc(message, wParam, lParam);
    const LRESULT result = window->WndProc(message, wParam, lParam);
    window->Unbind();
    window->OnFinalMessage();
    return result;
}

LRESULT CALLBACK Window::CreatedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FromHandle(hwnd);
    if (!window && message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        // MDI children get their creation parameter wrapped once more.
        void* param = create->lpCreateParams;
        if (create->dwExStyle & WS_EX_MDICHILD)
            param = reinterpret_cast<void*>(reinterpret_cast<MDICREATESTRUCTA*>(param)->lParam);
        window = static_cast<Window*>(param);
        if (window && !window->Bind(hwnd))
            return FALSE;
    }
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return Dispatch(window, message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* window = FromHandle(hwnd);
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return Dispatch(window, message, wParam, lParam);
}
