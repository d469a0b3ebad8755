// A window that draws its controls itself is read through its accessibility
// tree: every role gives the shape its control of the system's classes
// gives, so that the windowless twin of a dialog gives the dialog's picture;
// and a tree that hangs or lies ends the reading within its bound, reported
// incomplete.

#include "capture_state.h"
#include "code_page.h"
#include "file_contents.h"
#include "golden_picture.h"
#include "host_path.h"
#include "live_capture.h"
#include "live_fixture.h"
#include "messages.h"
#include "picture_checks.h"
#include "program_run.h"

#include <string>

namespace {

class AccessibleCaptureTest : public LiveFixtureTest {
protected:
    HWND OpenScene(const std::wstring& scene) { return Open(HostPath(QS_QSACCESSIBLE), scene); }

    // Every record after the window's own two came from `source`.
    static void ExpectRecordsFrom(RecordSource source)
    {
        ASSERT_GT(ItemCount, 2);
        EXPECT_EQ(ItemTable[0].source, RecordSource::Window);
        for (int32_t i = 2; i < ItemCount; ++i)
            EXPECT_EQ(ItemTable[i].source, source) << "record " << i << ": " << ItemTable[i].text;
    }

    static bool Shows(const ConversionResult& result, const std::string& text)
    {
        return result.text.find(text) != std::string::npos;
    }
};

// Buttons, checks in three states, radios in a group, label, edit, combo
// box, a long list shown from its top, a tree with levels and a hidden
// branch, tabs, gauges, a table with headers, a status bar and a menu bar
// drawn in the client area; hidden and scrolled-out objects leave nothing.
// Forcing the accessible reading changes nothing for such a window.
TEST_F(AccessibleCaptureTest, WindowlessWindowGivesTheShapesOfItsControls)
{
    ASSERT_TRUE(OpenScene(L"windowless"));
    const ConversionResult result = CaptureLive(window_);
    EXPECT_TRUE(result.gaps.IsComplete());
    EXPECT_TRUE(HasClosedOuterFrame(result.text));
    EXPECT_TRUE(MatchesGolden("accessible-windowless", result.text));
    ExpectRecordsFrom(RecordSource::Accessible);
    EXPECT_EQ(ItemTable[2].kind, 'M');
    EXPECT_FALSE(Shows(result, "隠し"));
    EXPECT_TRUE(Shows(result, "項目 6"));
    EXPECT_FALSE(Shows(result, "項目 7"));
    EXPECT_FALSE(Shows(result, "隠れた葉"));

    class Silent : public CaptureReporter {
        void NoTarget() override {}
        void ItemLimitReached() override {}
    } reporter;
    ConversionResult forced;
    ASSERT_TRUE(ConvertWindow(window_, &forced, reporter, kMeasuredDpi, Reading::Accessible));
    EXPECT_EQ(forced.text, result.text);
}

// The same controls as child windows and as drawn objects: the same bytes.
TEST_F(AccessibleCaptureTest, WindowlessTwinGivesThePictureOfItsWindowedTwin)
{
    ASSERT_TRUE(OpenScene(L"twin-windowed"));
    const ConversionResult windowed = CaptureLive(window_);
    ExpectRecordsFrom(RecordSource::Window);
    EXPECT_TRUE(MatchesGolden("accessible-twin", windowed.text));

    ASSERT_TRUE(OpenScene(L"twin"));
    const ConversionResult windowless = CaptureLive(window_);
    ExpectRecordsFrom(RecordSource::Accessible);
    EXPECT_TRUE(windowed.text == windowless.text) << "windowed:\n"
                                                  << ShiftJisToUtf8(windowed.text) << "windowless:\n"
                                                  << ShiftJisToUtf8(windowless.text);
}

// A name that never comes ends the reading after one answer's timeout: what
// was read before it is shown, and the program counts as silent.
TEST_F(AccessibleCaptureTest, TreeThatHangsEndsWithinTheBoundAndIsReportedIncomplete)
{
    ASSERT_TRUE(OpenScene(L"hang"));
    CaptureGaps silent;
    silent.silentThreads = 1;
    silent.unaskedWindows = 1;
    const ConversionResult result = TimedCaptureLive(window_, "a hanging tree", silent);
    EXPECT_FALSE(result.gaps.IsComplete());
    EXPECT_TRUE(Shows(result, "読める表示"));
    EXPECT_FALSE(Shows(result, "応答なし"));
    EXPECT_TRUE(HasClosedOuterFrame(result.text));
}

// A group that holds itself, nesting without end, a billion claimed items
// and a rectangle far outside any screen: each is cut or left out, the
// honest rest is shown, and the window counts as answering out of bounds.
TEST_F(AccessibleCaptureTest, TreeThatLiesEndsWithinTheBoundAndIsReportedOutOfBounds)
{
    ASSERT_TRUE(OpenScene(L"lie"));
    const ConversionResult result = TimedCaptureLive(window_, "a lying tree");
    EXPECT_EQ(result.gaps.lyingWindows, 1);
    EXPECT_TRUE(Shows(result, "正直"));
    EXPECT_TRUE(Shows(result, "輪の中"));
    EXPECT_TRUE(Shows(result, "項目 2"));
    EXPECT_FALSE(Shows(result, "遠く"));
    EXPECT_TRUE(HasClosedOuterFrame(result.text));
}

// qscap's dump says which reading made each record; laid out again it gives
// qscap's bytes.  --accessible on the windowed twin asks the system's proxy,
// which under Wine knows no controls: the picture keeps the window's frame.
TEST_F(AccessibleCaptureTest, QscapDumpNamesTheReadingOfEachRecord)
{
    ASSERT_TRUE(OpenScene(L"windowless"));
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"qsa", 0, path);
    const std::wstring dump = L"\"" + std::wstring(path) + L"\"";
    const ProgramRun capture = RunProgram(QS_QSCAP, L"--hwnd " + Hex(window_) + L" --dump " + dump);
    ASSERT_EQ(capture.exitCode, 0u) << capture.errors;
    const std::string json = FileBytes(path).value_or("");
    EXPECT_NE(json.find("\"className\": \"Button\", \"kind\": \"B\", \"shape\": \"L\", \"source\": \"accessible\""),
              std::string::npos)
        << json;
    const ProgramRun layout = RunProgram(QS_QSLAYOUT, dump);
    DeleteFileW(path);
    EXPECT_TRUE(layout.output == capture.output);

    ASSERT_TRUE(OpenScene(L"twin-windowed"));
    const ProgramRun forced = RunProgram(QS_QSCAP, L"--hwnd " + Hex(window_) + L" --accessible");
    EXPECT_EQ(forced.exitCode, 0u) << forced.errors;
    EXPECT_TRUE(HasClosedOuterFrame(forced.output));
    EXPECT_EQ(forced.output.find("実行"), std::string::npos);
}

}  // namespace
