#include "guards.h"
#include "hyperlink.h"
#include "quillscape_process.h"
#include "test_app.h"
#include "test_windows.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <fstream>
#include <set>

namespace {

constexpr DWORD kInputTimeoutMs = 30000;
constexpr DWORD kViewerTimeoutMs = 60000;
const char kParentClass[] = "QsLinkTestParent";

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
        if (WindowText(window).find("link-target") != std::string::npos)
            return true;
    }
    return false;
}

// A parent window that takes the clicks beside the link, and the link.
class LinkWindow {
public:
    LinkWindow()
    {
        RegisterPlainClass(kParentClass);
        HINSTANCE instance = GetModuleHandleA(nullptr);
        parent_ = CreateWindowExA(0, kParentClass, "", WS_POPUP | WS_BORDER | WS_VISIBLE, 100, 700, 400, 120,
                                  nullptr, nullptr, instance, nullptr);
        HWND text = CreateWindowExA(0, "Static", "link-target.txt", WS_CHILD | WS_VISIBLE | SS_LEFT, 20, 20, 140,
                                    20, parent_, nullptr, instance, nullptr);
        link.Subclass(text);
        UpdateWindow(parent_);
    }
    ~LinkWindow() { DestroyWindow(parent_); }
    LinkWindow(const LinkWindow&) = delete;
    LinkWindow& operator=(const LinkWindow&) = delete;

    HWND Parent() const { return parent_; }
    // A point of the parent well away from the link.
    POINT Beside() const
    {
        RECT rect;
        GetWindowRect(parent_, &rect);
        return {rect.right - 40, rect.bottom - 30};
    }

    CHyperLink link;

private:
    HWND parent_;
};

class HyperLinkRuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        target_ = ScratchPath("link-target.txt");
        std::ofstream(target_) << "opened by the link\r\n";
        window_.link.SetTarget(target_).SetLinkMode(true);
        before_ = NotepadProcesses();
    }
    void TearDown() override { EndViewers(); }

    // Gives the input, waits until the button-up message to `receiver` has
    // been handled, and tells how many viewers it opened.
    size_t ViewersOpenedBy(const std::string& input, HWND receiver)
    {
        EXPECT_TRUE(input_.Run(input));
        EXPECT_TRUE(PumpUntilDispatched(
            [&](const MSG& m) { return m.message == WM_LBUTTONUP && m.hwnd == receiver; }, kInputTimeoutMs))
            << "the button-up never reached the expected window: " << input;
        std::set<DWORD> opened;
        for (DWORD process : NotepadProcesses()) {
            if (!before_.count(process))
                opened.insert(process);
        }
        for (DWORD process : opened)
            ExpectShowsTheTarget(process);
        EndViewers();
        return opened.size();
    }

    void ExpectShowsTheTarget(DWORD process)
    {
        EXPECT_TRUE(PumpUntil([&] { return ShowsTheTarget(process); }, kViewerTimeoutMs))
            << "no viewer window names the target";
    }

    // The viewers that the link opened; the shell started them for us.
    void EndViewers()
    {
        for (DWORD process : NotepadProcesses()) {
            if (before_.count(process))
                continue;
            OwnedKernelHandle handle(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process));
            if (handle && TerminateProcess(handle.Get(), 0))
                WaitForSingleObject(handle.Get(), kViewerTimeoutMs);
        }
    }

    // Two points of the link: two presses in a row at the same point would
    // make the second a double click, which is no press for the link.
    std::string Link() const { return ScreenPoint(CentreOf(window_.link.Handle())); }
    std::string LinkLeft() const
    {
        POINT point = CentreOf(window_.link.Handle());
        point.x -= 40;
        return ScreenPoint(point);
    }
    std::string Beside() const { return ScreenPoint(window_.Beside()); }

    XInput input_;
    LinkWindow window_;
    std::string target_;
    std::set<DWORD> before_;
};

TEST_F(HyperLinkRuleTest, OpensOnAReleaseOverTheLinkAfterAPressOnIt)
{
    HWND link = window_.link.Handle();
    EXPECT_EQ(ViewersOpenedBy("mousemove " + Link() + " mousedown 1 mouseup 1", link), 1u)
        << "press and release on the link open the target once";
    EXPECT_EQ(ViewersOpenedBy("mousemove " + LinkLeft() + " mousedown 1 mousemove " + Beside() + " mouseup 1",
                              window_.Parent()),
              0u)
        << "released beside the link";
    EXPECT_EQ(ViewersOpenedBy("mousemove " + Beside() + " mousedown 1 mousemove " + Link() + " mouseup 1", link), 1u)
        << "the press on the link is still pending, so this release opens it";

    window_.link.SetTarget("");
    EXPECT_EQ(ViewersOpenedBy("mousemove " + Link() + " mousedown 1 mouseup 1", link), 0u) << "no target";
    window_.link.SetTarget(target_);
    EXPECT_EQ(ViewersOpenedBy("mousemove " + Beside() + " mousedown 1 mousemove " + Link() + " mouseup 1", link), 0u)
        << "the release without a target ended the pending press";
}

TEST(HyperLinkTest, SettersChainAndChangeTheLinksLook)
{
    LinkWindow window;
    HWND link = window.link.Handle();
    window.link.SetLinkMode(true).SetTextColor(RGB(1, 2, 3)).SetUnderline(false).SetLinkCursor(nullptr);
    EXPECT_TRUE(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY);

    OwnedMemoryDC dc(CreateCompatibleDC(nullptr));
    SavedDC saved(dc.Get());
    const HBRUSH brush = window.link.OnCtlColor(dc.Get(), CTLCOLOR_STATIC);
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(1, 2, 3));
    LOGFONTA font{};
    GetObjectA(GetCurrentObject(dc.Get(), OBJ_FONT), sizeof font, &font);
    EXPECT_FALSE(font.lfUnderline);

    OwnedMemoryDC other(CreateCompatibleDC(nullptr));
    const COLORREF untouched = GetTextColor(other.Get());
    EXPECT_EQ(window.link.OnCtlColor(other.Get(), CTLCOLOR_EDIT), brush) << "the brush, whatever the control type";
    EXPECT_EQ(GetTextColor(other.Get()), untouched) << "only a static's painting is prepared";

    // Without a cursor of its own the static's default handling answers.
    SetCursor(nullptr);
    SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), nullptr);

    window.link.SetLinkMode(false);
    EXPECT_FALSE(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY);
}

}  // namespace
