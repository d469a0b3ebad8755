#include "quillscape_process.h"

#include "host_path.h"
#include "program_windows.h"
#include "wait_until.h"

#include <gtest/gtest.h>

namespace {

const char kFrameClass[] = "QuillscapeMainFrame";
const char kChildClass[] = "QuillscapeChildFrame";
constexpr int kFinderBarId = 59397;
constexpr int kFinderImageId = 1002;
constexpr int kViewId = 0xE900;
constexpr UINT kAnswerTimeoutMs = 2000;

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
    return WindowAnswers(frame_, kAnswerTimeoutMs);
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
