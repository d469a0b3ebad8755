// Messages to windows of other threads: a thread that stops answering must
// not stop the capture, and stays silent for the rest of the conversion.
#include "messages.h"
#include "unread_windows.h"
#include "window_text.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kThreadTimeoutMs = 30000;

// A disabled list box with two entries, on a thread that does not pump its
// messages until released.
class BlockedThread {
public:
    BlockedThread()
    {
        ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, &threadId_);
        WaitForSingleObject(ready_, kThreadTimeoutMs);
    }

    ~BlockedThread()
    {
        Release();
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, kThreadTimeoutMs);
        CloseHandle(thread_);
        CloseHandle(release_);
        CloseHandle(ready_);
    }

    void Release() { SetEvent(release_); }

    HWND list = nullptr;

private:
    static DWORD WINAPI Run(void* self) { return static_cast<BlockedThread*>(self)->Block(); }

    DWORD Block()
    {
        list = CreateWindowExA(0, "ListBox", "silent", WS_POPUP | WS_DISABLED, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before WM_QUIT is posted
        SetEvent(ready_);
        WaitForSingleObject(release_, INFINITE);
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        DestroyWindow(list);
        return 0;
    }

    HANDLE ready_, release_, thread_;
    DWORD threadId_ = 0;
};

TEST(SendToWindow, AThreadThatMissesAMessageStaysSilentUntilForgotten)
{
    ForgetUnreadWindows();
    BlockedThread blocked;
    ASSERT_TRUE(blocked.list);

    EXPECT_EQ(WindowTitle(blocked.list), "") << "asked, with a timeout";
    EXPECT_EQ(ListBox_GetCount(blocked.list), 0);
    EnableAndFocus(blocked.list);
    EXPECT_FALSE(IsWindowEnabled(blocked.list)) << "EnableWindow would have waited for the thread";

    blocked.Release();
    EXPECT_EQ(ListBox_GetCount(blocked.list), 0) << "silent for the rest of the conversion";
    const CaptureGaps gaps = CountUnreadWindows();
    EXPECT_EQ(gaps.silentThreads, 1);
    EXPECT_EQ(gaps.unaskedWindows, 1) << "one window, however often asked";
    EXPECT_FALSE(gaps.IsComplete());

    ForgetUnreadWindows();
    EXPECT_EQ(ListBox_GetCount(blocked.list), 2);
    EXPECT_EQ(WindowTitle(blocked.list), "silent");
    EnableAndFocus(blocked.list);
    EXPECT_TRUE(IsWindowEnabled(blocked.list));
    EXPECT_TRUE(CountUnreadWindows().IsComplete());
}

TEST(SendToWindow, WindowsOfThisThreadAnswerAndGoneWindowsDoNot)
{
    HWND list = CreateWindowExA(0, "ListBox", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    LRESULT result = -1;
    EXPECT_TRUE(SendToWindow(list, LB_GETCOUNT, 0, 0, &result));
    EXPECT_EQ(result, 1);

    DestroyWindow(list);
    EXPECT_FALSE(SendToWindow(list, LB_GETCOUNT, 0, 0, &result));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ListBox_GetTopIndex(list), LB_ERR);
}

}  // namespace
