#include "program_windows.h"

#include "wait_until.h"

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleTopLevel(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && HasClass(window, search->className))
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK MatchVisibleDescendant(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    if (!IsWindowVisible(window) || !HasClass(window, search->className))
        return TRUE;
    search->found.push_back(window);
    return FALSE;
}

}  // namespace

std::string ClassName(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool HasClass(HWND window, const char* className)
{
    return ClassName(window) == className;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const char* className)
{
    WindowSearch search{processId, className, {}};
    EnumWindows(CollectVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisibleTopLevel(DWORD processId, const char* className)
{
    const std::vector<HWND> windows = VisibleTopLevelWindows(processId, className);
    return windows.empty() ? nullptr : windows.front();
}

HWND WaitForWindow(DWORD processId, const char* className)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = VisibleTopLevel(processId, className)) != nullptr; });
    return found;
}

HWND FindDescendant(HWND window, const char* className)
{
    WindowSearch search{0, className, {}};
    EnumChildWindows(window, MatchVisibleDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

bool WindowAnswers(HWND window, UINT timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}
