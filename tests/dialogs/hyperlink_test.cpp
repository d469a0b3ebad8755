// The link's press and release rule with real clicks, on a text file as
// the target: the shell opens it in Wine's notepad, one process a time.
#include "guards.h"
#include "hyperlink.h"
#include "program_windows.h"
#include "quillscape_process.h"
#include "test_app.h"
#include "wide_text.h"
#include "test_windows.h"
#include "wait_until.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <fstream>
#include <set>

namespace {

std::set<DWORD> NotepadProcesses()
{
    std::set<DWORD> found;
    OwnedKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, "notepad.exe") == 0)
            found.insert(entry.th32ProcessID);
    }
    return found;
}

bool ShowsTheTarget(DWORD process)
{
    for (HWND window : VisibleTopLevelWindows(process, "Notepad")) {
        if (WindowText(window).find(L"link-target") != std::wstring::npos)
            return true;
    }
    return false;
}

class HyperLinkTest : public ::testing::Test {
protected:
    // A parent that takes the clicks beside the link, and the link.
    void SetUp() override
    {
        std::ofstream(Narrow(target_)) << "opened by the link\r\n";
        RegisterPlainClass("QsLinkParent");
        HINSTANCE instance = GetModuleHandleA(nullptr);
        parent_ = CreateWindowExA(0, "QsLinkParent", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 100, 700, 400, 120,
                                  nullptr, nullptr, instance, nullptr);
        link_.Subclass(CreateWindowExA(0, "Static", "link-target.txt", WS_CHILD | WS_VISIBLE, 20, 20, 140, 20,
                                       parent_, nullptr, instance, nullptr));
        link_.SetTarget(target_).SetLinkMode(true);
        before_ = NotepadProcesses();
    }
    void TearDown() override { DestroyWindow(parent_); }

    // Gives the input, waits until the button-up message to `receiver` has
    // been handled, and ends the viewers it opened: how many they were.
    size_t ViewersOpenedBy(const std::string& input, HWND receiver)
    {
        EXPECT_TRUE(input_.Run(input));
        EXPECT_TRUE(PumpUntilDispatched(
            [&](const MSG& m) { return m.message == WM_LBUTTONUP && m.hwnd == receiver; }, kStateTimeoutMs))
            << "the button-up never reached the expected window: " << input;
        size_t opened = 0;
        for (DWORD process : NotepadProcesses()) {
            if (before_.count(process))
                continue;
            ++opened;
            EXPECT_TRUE(WaitUntil([&] { return ShowsTheTarget(process); })) << "no viewer names the target";
            OwnedKernelHandle viewer(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process));
            if (viewer && TerminateProcess(viewer.Get(), 0))
                WaitForSingleObject(viewer.Get(), kStateTimeoutMs);
        }
        return opened;
    }

    const std::wstring target_ = ScratchPath(L"link-target.txt");
    XInput input_;
    HWND parent_ = nullptr;
    CHyperLink link_;
    std::set<DWORD> before_;
};

TEST_F(HyperLinkTest, OpensOnAReleaseOverTheLinkAfterAPressOnIt)
{
    HWND link = link_.Handle();
    // Two presses in a row at one point would make the second a double click.
    const std::string onLink = "mousemove " + XCoordinates(CentreOf(link)) + " ";
    const std::string onLinkLeft = "mousemove " + XCoordinates(Moved(CentreOf(link), -40, 0)) + " ";
    const std::string beside = "mousemove " + XCoordinates(Moved(CentreOf(parent_), 150, 0)) + " ";

    EXPECT_EQ(ViewersOpenedBy(onLink + "mousedown 1 mouseup 1", link), 1u) << "pressed and released on the link";
    EXPECT_EQ(ViewersOpenedBy(onLinkLeft + "mousedown 1 " + beside + "mouseup 1", parent_), 0u)
        << "released beside the link";
    EXPECT_EQ(ViewersOpenedBy(beside + "mousedown 1 " + onLink + "mouseup 1", link), 1u)
        << "the press on the link was still pending";

    link_.SetTarget(L"");
    EXPECT_EQ(ViewersOpenedBy(onLink + "mousedown 1 mouseup 1", link), 0u) << "no target";
    link_.SetTarget(target_);
    EXPECT_EQ(ViewersOpenedBy(beside + "mousedown 1 " + onLink + "mouseup 1", link), 0u)
        << "the release without a target ended the pending press";
}

}  // namespace
