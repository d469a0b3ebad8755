#include "test_windows.h"

namespace {

constexpr DWORD kPollMs = 10;

struct ProcessWindows {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM search)
{
    auto* s = reinterpret_cast<ProcessWindows*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == s->processId && IsWindowVisible(window) && lstrcmpA(className, s->className) == 0)
        s->found.push_back(window);
    return TRUE;
}

void WaitForMessages()
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
}

}  // namespace

void RegisterPlainClass(const char* className)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
}

bool PumpUntilDispatched(const std::function<bool(const MSG&)>& dispatched, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            if (dispatched(message))
                return true;
        }
        if (GetTickCount() - start >= timeoutMs)
            return false;
        WaitForMessages();
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpUntilDispatched([](const MSG&) { return false; }, 0);
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        WaitForMessages();
    }
}

POINT CentreOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::string ScreenPoint(POINT point)
{
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const char* className)
{
    ProcessWindows search{processId, className, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
