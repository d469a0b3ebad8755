// A program that has stopped answering must not freeze a capture: the
// capture ends within a few seconds and shows what the system knows without
// asking the program (title, classes, rectangles, window texts).  Neither
// may a program that closes while it is read.  Both captures say what they
// lack.

#include "fixture_ids.h"
#include "golden_picture.h"
#include "live_capture.h"
#include "live_fixture.h"
#include "picture_checks.h"
#include "wait_until.h"


namespace {

class HungWindowTest : public LiveFixtureTest {
protected:
    ConversionResult TimedCapture(const char* what, const CaptureGaps& expected)
    {
        return TimedCaptureLive(window_, what, expected);
    }
};

CaptureGaps SilentThread(int32_t unaskedWindows)
{
    CaptureGaps gaps;
    gaps.silentThreads = 1;
    gaps.unaskedWindows = unaskedWindows;
    return gaps;
}

TEST_F(HungWindowTest, WindowThatStopsAnsweringOnCommandKeepsItsPicture)
{
    ASSERT_TRUE(Open(L"hang"));
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_HANG_NOW, BN_CLICKED), 0);
    // A message sent meanwhile may still be served before the posted command.
    WaitUntil([this] { return !WindowAnswers(window_); }, FixtureProcess::kReadyTimeoutMs);
    ASSERT_FALSE(WindowAnswers(window_));

    // A label and a push button need no message: their texts are held by
    // the system, so the picture is the one of the answering window, and
    // complete.
    const ConversionResult result = TimedCapture("the hung window", {});
    EXPECT_EQ(result.title, "Fixture: hang 応答なし");
    EXPECT_TRUE(HasClosedOuterFrame(result.text));
    EXPECT_TRUE(MatchesGolden("hang", result.text));
}

TEST_F(HungWindowTest, ListsHungFromTheStartShowTheirFramesWithoutEntries)
{
    ASSERT_TRUE(Open(L"lists --hang-after-ready"));
    ASSERT_FALSE(WindowAnswers(window_));

    // Combo boxes and list boxes must be asked: the first message waits for
    // its timeout, every later one to the same thread returns at once.
    // Ten windows go unasked: the five combo boxes, the edit fields of the
    // two drop-down ones, the simple one's list and the two list boxes.
    const ConversionResult result = TimedCapture("the hung lists", SilentThread(10));
    EXPECT_EQ(result.title, "Fixture: lists リスト");
    EXPECT_TRUE(HasClosedOuterFrame(result.text));
    EXPECT_TRUE(MatchesGolden("lists-hung", result.text));
}

TEST_F(HungWindowTest, WindowThatClosesWhileItIsReadIsCutShort)
{
    ASSERT_TRUE(Open(L"closing"));
    CaptureGaps vanished;
    vanished.vanishedWindows = 1;
    const ConversionResult result = CaptureLive(window_, vanished);
    EXPECT_EQ(result.title, "Fixture: closing 終了");
    // The label before the list and the list's frame, without its entries;
    // the walk ends with the list, before the edit.
    EXPECT_EQ(result.text.find("never reached"), std::string::npos);
    EXPECT_TRUE(MatchesGolden("closing", result.text));
}

}  // namespace
