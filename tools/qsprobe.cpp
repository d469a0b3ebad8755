// qsprobe: looks at Quillscape's windows from outside, for scripts that
// drive the program with real input (the demonstration of tools/run).
//
//   qsprobe rect CLASS [ID]   screen rectangle "left top right bottom" of the
//                             visible top-level window of CLASS, or of its
//                             descendant with control id ID
//   qsprobe document          the active output document's text, in UTF-8
//   qsprobe documents         how many output documents are open
//   qsprobe minimised         succeeds when the main frame is minimised
//   qsprobe disabled CLASS ID succeeds when that descendant is disabled
//
// Exit status 0, or 1 when the window is not there (nothing printed).
#include "cp932.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kFrameClass[] = "QuillscapeMainFrame";
const char kChildClass[] = "QuillscapeChildFrame";
constexpr int kViewId = 0xE900;

struct DescendantSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<DescendantSearch*>(lp);
    if (GetDlgCtrlID(hwnd) != search->id)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// A minimised frame still counts: Wine without a window manager keeps it shown.
HWND VisibleTopLevel(const char* className)
{
    for (HWND hwnd = FindWindowExA(nullptr, nullptr, className, nullptr); hwnd;
         hwnd = FindWindowExA(nullptr, hwnd, className, nullptr)) {
        if (IsWindowVisible(hwnd))
            return hwnd;
    }
    return nullptr;
}

HWND Descendant(HWND parent, int id)
{
    DescendantSearch search{id, nullptr};
    EnumChildWindows(parent, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND MdiClientOf(HWND frame)
{
    return FindWindowExA(frame, nullptr, "MDIClient", nullptr);
}

int PrintRect(const char* className, int id)
{
    HWND window = VisibleTopLevel(className);
    if (window && id != 0)
        window = Descendant(window, id);
    RECT rect;
    if (!window || !GetWindowRect(window, &rect))
        return 1;
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}

int PrintDocument()
{
    HWND frame = VisibleTopLevel(kFrameClass);
    HWND client = frame ? MdiClientOf(frame) : nullptr;
    HWND child = client ? reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
    HWND view = child ? GetDlgItem(child, kViewId) : nullptr;
    if (!view)
        return 1;
    const int length = static_cast<int>(SendMessageA(view, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(SendMessageA(view, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]))));
    std::string utf8;
    Cp932ToUtf8(text, &utf8, InvalidBytes::Replace);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    return 0;
}

int PrintDocumentCount()
{
    HWND frame = VisibleTopLevel(kFrameClass);
    HWND client = frame ? MdiClientOf(frame) : nullptr;
    if (!client)
        return 1;
    int count = 0;
    for (HWND child = FindWindowExA(client, nullptr, kChildClass, nullptr); child;
         child = FindWindowExA(client, child, kChildClass, nullptr))
        ++count;
    std::printf("%d\n", count);
    return 0;
}

int IsMinimised()
{
    for (HWND hwnd = FindWindowExA(nullptr, nullptr, kFrameClass, nullptr); hwnd;
         hwnd = FindWindowExA(nullptr, hwnd, kFrameClass, nullptr)) {
        if (IsIconic(hwnd))
            return 0;
    }
    return 1;
}

int IsDisabled(const char* className, int id)
{
    HWND window = VisibleTopLevel(className);
    HWND control = window ? Descendant(window, id) : nullptr;
    return control && !IsWindowEnabled(control) ? 0 : 1;
}

int Usage()
{
    std::fputs("usage: qsprobe rect CLASS [ID] | document | documents | minimised | disabled CLASS ID\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "rect" && (argc == 3 || argc == 4))
        return PrintRect(argv[2], argc == 4 ? std::atoi(argv[3]) : 0);
    if (command == "document" && argc == 2)
        return PrintDocument();
    if (command == "documents" && argc == 2)
        return PrintDocumentCount();
    if (command == "disabled" && argc == 4)
        return IsDisabled(argv[2], std::atoi(argv[3]));
    if (command == "minimised" && argc == 2)
        return IsMinimised();
    return Usage();
}
