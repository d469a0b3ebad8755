#include "reflecting_parent.h"

#include <cstring>
#include <string>

namespace {

const wchar_t kClassName[] = L"QsReflectingParent";

}  // namespace

ReflectingParent::ReflectingParent(COLORREF background) : background_(CreateSolidBrush(background)) {}

HWND ReflectingParent::CreateTopLevel(const char* title, const RECT& client, DWORD style)
{
    RegisterClassFor(kClassName, 0, nullptr, LoadCursorA(nullptr, IDC_ARROW), nullptr);
    RECT outer = client;
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    // The tests' titles are ASCII.
    const std::wstring wide(title, title + std::strlen(title));
    return Create(kClassName, wide.c_str(), style, 0, outer, nullptr, nullptr);
}

HWND ReflectingParent::AddControl(const char* className, int id, DWORD style, const char* text, const RECT& rect)
{
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, Handle(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

LRESULT ReflectingParent::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
        return 1;
    }
    return Window::WndProc(message, wParam, lParam);
}
