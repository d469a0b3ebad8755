#include "capture_bench_owner.h"

#include "fixture_process.h"
#include "fixture_ready.h"
#include "tree_items.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kWindowClass[] = "QsCaptureBenchOwner";
constexpr UINT_PTR kSubclassId = 1;

// Messages a control got from other threads since the last reset.
struct MessageCounts {
    LRESULT itemReads = 0;
    LRESULT others = 0;
};

struct OwnerCounts {
    MessageCounts list;  // the list view and its header
    MessageCounts tree;
};

bool IsItemRead(UINT message)
{
    return message == LVM_GETITEMTEXTW || message == HDM_GETITEMW || message == TVM_GETITEMW;
}

LRESULT CALLBACK CountMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (InSendMessage()) {
        MessageCounts& counts = *reinterpret_cast<MessageCounts*>(data);
        ++(IsItemRead(message) ? counts.itemReads : counts.others);
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, CountMessages, kSubclassId);
    return DefSubclassProc(window, message, wParam, lParam);
}

void CountMessagesOf(HWND control, MessageCounts& counts)
{
    SetWindowSubclass(control, CountMessages, kSubclassId, reinterpret_cast<DWORD_PTR>(&counts));
}

MessageCounts& CountsOf(OwnerCounts& counts, WPARAM controlId)
{
    return controlId == kBenchTreeId ? counts.tree : counts.list;
}

LRESULT CALLBACK AnswerQueries(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    OwnerCounts& counts = *reinterpret_cast<OwnerCounts*>(data);
    switch (message) {
    case kQueryItemReads:
        return CountsOf(counts, wParam).itemReads;
    case kQueryOtherMessages:
        return CountsOf(counts, wParam).others;
    case kResetCounts:
        counts = OwnerCounts();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, AnswerQueries, kSubclassId);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

std::string Numbered(const char* format, int first, int second = 0)
{
    char text[48];
    std::snprintf(text, sizeof text, format, first, second);
    return text;
}

HWND CreateChild(HWND parent, const char* className, DWORD style, int id, int x, int width)
{
    return CreateWindowExA(WS_EX_CLIENTEDGE, className, "", WS_CHILD | WS_VISIBLE | style, x, 10, width, 400, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void AddColumn(HWND list, int column)
{
    const std::string title = Numbered("列 %d", column + 1);
    LVCOLUMNA fields{};
    fields.mask = LVCF_TEXT | LVCF_WIDTH;
    fields.pszText = const_cast<char*>(title.c_str());
    fields.cx = 100;
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&fields));
}

void AddRow(HWND list, int row)
{
    for (int column = 0; column < kBenchColumns; ++column) {
        const std::string text = Numbered("項目 %04d-%d", row + 1, column + 1);
        LVITEMA fields{};
        fields.mask = LVIF_TEXT;
        fields.iItem = row;
        fields.iSubItem = column;
        fields.pszText = const_cast<char*>(text.c_str());
        SendMessageA(list, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&fields));
    }
}

// A single-control capture reads every row whatever the list's height.
void FillList(HWND list)
{
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);  // Wine repaints after every row otherwise
    for (int column = 0; column < kBenchColumns; ++column)
        AddColumn(list, column);
    for (int row = 0; row < kBenchRows; ++row)
        AddRow(list, row);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

// Parents with their children, every parent expanded: all items are lines.
void FillTree(HWND tree)
{
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    for (int parent = 1; parent <= kBenchTreeParents; ++parent) {
        HTREEITEM item = AddTreeItem(tree, nullptr, Numbered("フォルダ %03d", parent).c_str());
        for (int child = 1; child <= kBenchTreeChildren; ++child)
            AddTreeItem(tree, item, Numbered("ファイル %03d-%d", parent, child).c_str());
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
}

HWND CreateOwnerWindow(OwnerCounts& counts)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, kWindowClass, "capture_bench owner", WS_OVERLAPPEDWINDOW, 40, 40, 1000, 480,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window)
        SetWindowSubclass(window, AnswerQueries, kSubclassId, reinterpret_cast<DWORD_PTR>(&counts));
    return window;
}

bool AddControls(HWND window, OwnerCounts& counts)
{
    HWND list = CreateChild(window, WC_LISTVIEWA, LVS_REPORT, kBenchListId, 10, 560);
    HWND tree = CreateChild(window, WC_TREEVIEWA, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, kBenchTreeId,
                            580, 390);
    HWND header = list ? ListView_GetHeader(list) : nullptr;
    if (!header || !tree)
        return false;
    FillList(list);
    FillTree(tree);
    CountMessagesOf(list, counts.list);
    CountMessagesOf(header, counts.list);
    CountMessagesOf(tree, counts.tree);
    return true;
}

// An owner left behind by a measuring process that died would hold the
// Wine session open.
DWORD WINAPI EndWithParent(void* parent)
{
    WaitForSingleObject(static_cast<HANDLE>(parent), INFINITE);
    ExitProcess(1);
}

bool WatchParent(DWORD parentId)
{
    HANDLE parent = OpenProcess(SYNCHRONIZE, FALSE, parentId);
    if (!parent)
        return false;
    HANDLE watcher = CreateThread(nullptr, 0, EndWithParent, parent, 0, nullptr);
    if (!watcher) {
        CloseHandle(parent);
        return false;
    }
    CloseHandle(watcher);
    return true;
}

}  // namespace

int RunOwner(DWORD parentId)
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    if (!WatchParent(parentId)) {
        std::printf("owner: no process %lu to watch\n", static_cast<unsigned long>(parentId));
        return 1;
    }
    OwnerCounts counts;
    HWND window = CreateOwnerWindow(counts);
    if (!window || !AddControls(window, counts)) {
        std::printf("owner: cannot make its window and controls\n");
        return 1;
    }
    ShowWindow(window, SW_SHOWNOACTIVATE);
    ReportReady(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

namespace {

std::wstring ThisProgram()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

}  // namespace

int RunBenchmark(int argc, char** argv, const char* name, int (*measure)(HWND owner))
{
    if (argc == 3 && std::strcmp(argv[1], "--owner") == 0)
        return RunOwner(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    if (argc != 1) {
        std::fprintf(stderr, "usage: %s\n", name);
        return 2;
    }
    FixtureProcess ownerProcess(ThisProgram(), L"--owner " + std::to_wstring(GetCurrentProcessId()));
    std::string line;
    HWND owner = ownerProcess.WaitUntilReady(&line);
    if (!owner) {
        std::printf("%s: the owner process did not get ready: %s\n", name, line.c_str());
        return 1;
    }
    return measure(owner);
}
