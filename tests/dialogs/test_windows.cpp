#include "test_windows.h"

namespace {

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM search)
{
    auto* s = reinterpret_cast<ProcessWindows*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == s->processId && IsWindowVisible(window))
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

std::vector<HWND> VisibleTopLevelWindows(DWORD processId)
{
    ProcessWindows search{processId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TitleOf(HWND window)
{
    std::string title(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    title.resize(static_cast<size_t>(GetWindowTextA(window, &title[0], static_cast<int>(title.size()))));
    return title;
}
