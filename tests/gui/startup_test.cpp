// What the program makes of its profile and its command line when it
// starts, and what it leaves in the profile when it is closed.

#include "file_contents.h"
#include "gui_test.h"
#include "program_profile.h"
#include "wait_until.h"

namespace {

class StartupTest : public GuiTest {
protected:
    // Starts the program, checks where its frame stands, closes it.
    void RunOnce(const RECT& expectedFrame, bool maximised)
    {
        ASSERT_TRUE(StartProgram());
        EXPECT_EQ(IsZoomed(program_->Frame()) != FALSE, maximised);
        if (!maximised)
            ExpectFrameAt(expectedFrame);
        ASSERT_TRUE(program_->Close());
    }

    void ExpectFrameAt(const RECT& expected) const
    {
        RECT frame;
        GetWindowRect(program_->Frame(), &frame);
        EXPECT_EQ(frame.left, expected.left);
        EXPECT_EQ(frame.top, expected.top);
        EXPECT_EQ(frame.right, expected.right);
        EXPECT_EQ(frame.bottom, expected.bottom);
    }

    static void ExpectStored(const RECT& normal, DWORD zoom)
    {
        EXPECT_EQ(Setting("Left"), normal.left);
        EXPECT_EQ(Setting("top"), normal.top);
        EXPECT_EQ(Setting("Right"), normal.right);
        EXPECT_EQ(Setting("Bottom"), normal.bottom);
        EXPECT_EQ(Setting("Zoom"), zoom);
    }
};

RECT Screen()
{
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    return screen;
}

TEST_F(StartupTest, PlacementAndOptionsCarryOverToTheNextRun)
{
    const RECT screen = Screen();
    // A left edge beyond the screen's right edge and a bottom edge below its
    // bottom edge, as after a larger screen; an option value other than 0 and 1.
    SeedSetting("Left", screen.right + 100);
    SeedSetting("top", 40);
    SeedSetting("Right", 900);
    SeedSetting("Bottom", screen.bottom + 100);
    SeedSetting("Zoom", 2);
    SeedSetting("DelSpcColFlg", 7);
    const RECT normal{screen.left, 40, 900, screen.bottom};
    {
        SCOPED_TRACE("Zoom 2");
        RunOnce(normal, false);
        ExpectStored(normal, 0);
        EXPECT_EQ(Setting("DelSpcLinFlg"), 1u);
        EXPECT_EQ(Setting("DelSpcColFlg"), 7u);
        EXPECT_EQ(Setting("CutUnderLine"), 1u);
        EXPECT_EQ(Setting("NoMuitiLine"), 0u);
    }
    SeedSetting("Zoom", 1);
    {
        SCOPED_TRACE("Zoom 1, closed maximised");
        RunOnce(normal, true);
        ExpectStored(normal, 1);
    }
    {
        SCOPED_TRACE("Zoom 1, restored before closing");
        ASSERT_TRUE(StartProgram());
        ASSERT_TRUE(IsZoomed(program_->Frame()));
        ShowWindowAsync(program_->Frame(), SW_RESTORE);
        // The restore ends with the frame moved back, a step after it stops being zoomed.
        WaitUntil([&] {
            RECT frame;
            GetWindowRect(program_->Frame(), &frame);
            return !IsZoomed(program_->Frame()) && EqualRect(&frame, &normal);
        });
        EXPECT_FALSE(IsZoomed(program_->Frame()));
        ExpectFrameAt(normal);
        ASSERT_TRUE(program_->Close());
        ExpectStored(normal, 0);
        EXPECT_EQ(Setting("DelSpcColFlg"), 7u);
    }
}

TEST_F(StartupTest, FirstStartWithAFileNameOnTheCommandLineOpensNothing)
{
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"qsg", 0, path);
    ASSERT_TRUE(WriteFileBytes(path, "a picture\r\n"));

    ASSERT_TRUE(StartProgram(L"\"" + std::wstring(path) + L"\""));
    EXPECT_TRUE(program_->Documents().empty());
    EXPECT_EQ(ShownText(program_->Frame()), "Quillscape");
    EXPECT_FALSE(IsZoomed(program_->Frame()));
    ExpectFrameAt({0, 0, 640, 400});
    ASSERT_TRUE(program_->Close());
    DeleteFileW(path);
    ExpectStored({0, 0, 640, 400}, 0);
    EXPECT_FALSE(ProfileSectionExists("Recent File List"));
}

}  // namespace
