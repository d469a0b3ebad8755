#include "test_windows.h"

namespace {

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
    while (GetTickCount() - start < timeoutMs) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            if (dispatched(message))
                return true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}

std::string CentreOf(HWND window, int offsetX)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return std::to_string((rect.left + rect.right) / 2 + offsetX) + " " + std::to_string((rect.top + rect.bottom) / 2);
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const char* className)
{
    ProcessWindows search{processId, className, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
