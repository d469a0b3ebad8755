// Whole conversions: the window's own records, single controls, and the
// messages for the user.
#include "capture_test_support.h"

#include <string>

namespace {

class ConversionTest : public CaptureTest {
protected:
    void TearDown() override
    {
        SetWindowLongA(host_, GWL_STYLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        if (HMENU menu = GetMenu(host_)) {
            SetMenu(host_, nullptr);
            DestroyMenu(menu);
        }
        CaptureTest::TearDown();
    }
};

TEST_F(ConversionTest, AWholeWindowBeginsWithItsTitleCaptionLettersAndMenuBar)
{
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "&File");
    AppendMenuA(menu, MF_STRING, 2, "編集(&E)");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 3, "&Help");
    SetMenu(host_, menu);
    AddChild("Static", "label", 0, 10, 10, 100, 20);

    Capture(host_);
    EXPECT_EQ(CaptureMode, 'O');
    const auto& items = reporter_.items;
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"Host", "＿□Ｘ", "&File  編集(&E)  ", "label"}));
    ASSERT_EQ(items.size(), 4u);
    RECT rect;
    GetWindowRect(host_, &rect);
    for (int i : {0, 1}) {
        EXPECT_EQ(items[i].rect.left, rect.left);
        EXPECT_EQ(items[i].rect.bottom, rect.bottom) << "in pixels: taken before the layout";
    }
    EXPECT_STREQ(items[0].className, "QsCaptureTestHost");
    EXPECT_STREQ(items[1].className, "Style");
    EXPECT_STREQ(items[2].className, "Menu");
    EXPECT_EQ(items[2].kind, 'M');
    EXPECT_EQ(result_.title, "Host");
    EXPECT_NE(result_.text.find("File  編集(E)"), std::string::npos) << result_.text;
}

TEST_F(ConversionTest, CaptionLettersFollowTheStyleBits)
{
    struct LetterCase {
        DWORD style;
        std::string letters;
    };
    const LetterCase cases[] = {
        {WS_OVERLAPPEDWINDOW | DS_CONTEXTHELP, "？＿□Ｘ"},
        {WS_POPUP | WS_BORDER | WS_MINIMIZEBOX, "＿"},  // half of WS_CAPTION gives no Ｘ
        {WS_POPUP | WS_CAPTION | DS_CONTEXTHELP, "？Ｘ"},
        {WS_POPUP, ""},
    };
    for (const LetterCase& c : cases) {
        SetWindowLongA(host_, GWL_STYLE, c.style | WS_VISIBLE);
        Capture(host_);
        ASSERT_GE(reporter_.items.size(), 2u);
        EXPECT_EQ(reporter_.items[1].text, c.letters);
    }
}

TEST_F(ConversionTest, NoWindowIsReportedAndChangesNothing)
{
    HWND gone = AddChild("Static", "gone", 0, 10, 10, 100, 20);
    DestroyWindow(gone);
    ItemCount = 5;
    for (HWND target : {static_cast<HWND>(nullptr), gone})
        EXPECT_FALSE(ConvertWindow(target, &result_, reporter_));
    EXPECT_EQ(reporter_.noTarget, 2);
    EXPECT_EQ(ItemCount, 5);
    EXPECT_TRUE(reporter_.items.empty()) << "no capture was taken";
}

TEST_F(ConversionTest, AFullTableIsReportedOnceAndTheConversionGoesOn)
{
    HWND list = AddChild("ListBox", "", 0, 10, 10, 150, 100);
    for (int i = 0; i < kItemLimit + 100; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("entry"));

    EXPECT_EQ(Capture(list).size(), static_cast<size_t>(kItemLimit));
    EXPECT_EQ(reporter_.itemLimit, 1);
    EXPECT_EQ(result_.text.substr(0, 5), "entry");
    EXPECT_TRUE(result_.gaps.tableFull);
    EXPECT_STREQ(GapsMessage(result_.gaps), kTableFullMessage);
}

// Esc while the walker looks at the queue stops the conversion: what was
// recorded stays, nothing more is read, and the next conversion runs whole.
TEST_F(ConversionTest, EscDuringTheWalkStopsItWithWhatItHasRead)
{
    AddChild("Static", "label", 0, 10, 10, 100, 20);
    PostMessageA(host_, WM_KEYDOWN, VK_ESCAPE, 0);
    Capture(host_);
    EXPECT_EQ(Texts(reporter_.items), (std::vector<std::string>{"Host", "＿□Ｘ"}));
    EXPECT_EQ(result_.gaps.stop, CaptureStop::Cancelled);
    EXPECT_STREQ(GapsMessage(result_.gaps), kCancelledMessage);

    Capture(host_);
    EXPECT_EQ(Texts(reporter_.items), (std::vector<std::string>{"Host", "＿□Ｘ", "label"}));
    EXPECT_TRUE(result_.gaps.IsComplete());
}

// Each cause added in turn takes the message when it costs the picture more
// than those before it.
TEST(GapsMessage, NamesTheCostliestCauseAndNothingForACompleteCapture)
{
    CaptureGaps gaps;
    EXPECT_EQ(GapsMessage(gaps), nullptr);
    EXPECT_TRUE(gaps.IsComplete());
    gaps.vanishedWindows = 1;
    EXPECT_STREQ(GapsMessage(gaps), kVanishedWindowMessage);
    gaps.tableFull = true;
    EXPECT_STREQ(GapsMessage(gaps), kTableFullMessage);
    gaps.lyingWindows = 1;
    EXPECT_STREQ(GapsMessage(gaps), kOutOfBoundsMessage);
    gaps.unopenedProcesses = 1;
    EXPECT_STREQ(GapsMessage(gaps), kProcessNotOpenedMessage);
    gaps.silentThreads = 1;
    EXPECT_STREQ(GapsMessage(gaps), kSilentProgramMessage);
    gaps.stop = CaptureStop::TimeUp;
    EXPECT_STREQ(GapsMessage(gaps), kTimeUpMessage);
    gaps.stop = CaptureStop::Cancelled;
    EXPECT_STREQ(GapsMessage(gaps), kCancelledMessage);

    for (auto cause : {&CaptureGaps::lyingWindows, &CaptureGaps::unopenedProcesses}) {
        CaptureGaps one;
        one.*cause = 1;
        EXPECT_FALSE(one.IsComplete());
    }
    CaptureGaps full;
    full.tableFull = true;
    EXPECT_FALSE(full.IsComplete());
}

}  // namespace
