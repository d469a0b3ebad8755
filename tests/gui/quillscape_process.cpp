#include "quillscape_process.h"

#include "host_path.h"
#include "wait_until.h"

#include <gtest/gtest.h>

namespace {

const char kFrameClass[] = "QuillscapeMainFrame";
const char kChildClass[] = "QuillscapeChildFrame";
constexpr int kFinderBarId = 59397;
constexpr int kFinderImageId = 1002;
constexpr int kViewId = 0xE900;
constexpr UINT kAnswerTimeoutMs = 2000;

std::string ClassName(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD ProcessOf(HWND window)
{
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

struct TopLevelSearch {
    DWORD process;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(lParam);
    if (ProcessOf(window) != search->process || !IsWindowVisible(window) || ClassName(window) != search->className)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND VisibleTopLevel(DWORD process, const char* className)
{
    TopLevelSearch search{process, className, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectLongestStatic(HWND window, LPARAM lParam)
{
    auto* longest = reinterpret_cast<std::string*>(lParam);
    const std::string text = WindowText(window);
    if (ClassName(window) == "Static" && text.size() > longest->size())
        *longest = text;
    return TRUE;
}

}  // namespace

QuillscapeProcess::QuillscapeProcess(const std::wstring& arguments) : process_(HostPath(QS_QUILLSCAPE), arguments) {}

QuillscapeProcess::~QuillscapeProcess()
{
    if (!process_.HasEnded() && !Close())
        process_.Terminate();
}

bool QuillscapeProcess::WaitUntilShown()
{
    EXPECT_TRUE(process_.Started()) << "cannot start Quillscape.exe";
    const bool shown = WaitUntil([this] {
        frame_ = VisibleTopLevel(process_.Id(), kFrameClass);
        return (frame_ && Answers()) || process_.HasEnded();
    });
    EXPECT_TRUE(shown && frame_) << "no main frame; the program said: " << process_.Output() << process_.Errors();
    return shown && frame_;
}

HWND QuillscapeProcess::MdiClient() const
{
    return FindWindowExA(frame_, nullptr, "MDIClient", nullptr);
}

HWND QuillscapeProcess::FinderImage() const
{
    return GetDlgItem(GetDlgItem(frame_, kFinderBarId), kFinderImageId);
}

HANDLE QuillscapeProcess::FinderBitmap() const
{
    return reinterpret_cast<HANDLE>(SendMessageA(FinderImage(), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

std::vector<HWND> QuillscapeProcess::Documents() const
{
    std::vector<HWND> documents;
    HWND client = MdiClient();
    for (HWND child = FindWindowExA(client, nullptr, kChildClass, nullptr); child;
         child = FindWindowExA(client, child, kChildClass, nullptr))
        documents.push_back(child);
    return documents;
}

HWND QuillscapeProcess::ActiveDocument() const
{
    return reinterpret_cast<HWND>(SendMessageA(MdiClient(), WM_MDIGETACTIVE, 0, 0));
}

HWND QuillscapeProcess::MessageBox() const
{
    return VisibleTopLevel(process_.Id(), "#32770");
}

bool QuillscapeProcess::Answers() const
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(frame_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) != 0;
}

bool QuillscapeProcess::Close()
{
    if (process_.HasEnded())
        return true;
    if (!frame_ || !PostMessageA(frame_, WM_CLOSE, 0, 0))
        return false;
    return process_.WaitForExit(kExitTimeoutMs);
}

HWND ViewOf(HWND childFrame)
{
    return GetDlgItem(childFrame, kViewId);
}

std::string WindowText(HWND window)
{
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, &text[0], static_cast<int>(text.size())));
    return text;
}

std::string ViewText(HWND view)
{
    const LRESULT length = SendMessageA(view, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(SendMessageA(view, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    return text;
}

std::string MessageBoxText(HWND box)
{
    std::string longest;
    EnumChildWindows(box, CollectLongestStatic, reinterpret_cast<LPARAM>(&longest));
    return longest;
}
