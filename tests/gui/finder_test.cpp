// The finder gesture with real mouse input: what is marked and converted
// for where the pointer is let go, and what converts nothing.

#include "code_page.h"
#include "fixture_ids.h"
#include "gui_test.h"
#include "shown_text.h"
#include "wait_until.h"

#include <commctrl.h>

#include <utility>

namespace {

class FinderTest : public GuiTest {
protected:
    // The main frame beside a fixture window, both shown.
    HWND OpenBesideProgram(const std::wstring& fixture)
    {
        SeedPlacementBesideFixtures();
        HWND window = OpenFixture(fixture);
        return window && StartProgram() ? window : nullptr;
    }

    void ExpectNothingConverted() const
    {
        EXPECT_TRUE(program_->Documents().empty());
        EXPECT_FALSE(program_->MessageBox()) << ShiftJisToUtf8(MessageBoxText(program_->MessageBox()));
        EXPECT_EQ(ShownText(program_->Frame()), "Quillscape");
    }
};

// Waits until the system has `key` down (or up), so that the mouse input
// after it carries that state.
bool KeyStateIs(int key, bool down)
{
    return WaitUntil([key, down] { return (GetAsyncKeyState(key) < 0) == down; });
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(FinderTest, PressAndReleaseOnTheImageConvertsNothing)
{
    ASSERT_TRUE(StartProgram());
    ASSERT_TRUE(PressFinder());
    ASSERT_TRUE(input_.MoveTo(Moved(CentreOf(program_->FinderImage()), 4, 3)));
    ASSERT_TRUE(ReleaseAndWaitForRest());
    EXPECT_FALSE(IsIconic(program_->Frame()));
    ExpectNothingConverted();
}

TEST_F(FinderTest, ReleaseOverTheOwnBarConvertsNothing)
{
    ASSERT_TRUE(StartProgram());
    RECT bar;
    GetWindowRect(GetParent(program_->FinderImage()), &bar);
    ASSERT_TRUE(PressFinder());
    // One move: it picks the bar while the frame is still there, and minimises the frame.
    ASSERT_TRUE(input_.MoveTo({bar.right - 20, (bar.top + bar.bottom) / 2}));
    ASSERT_TRUE(WaitUntil([this] { return IsIconic(program_->Frame()) != FALSE; }));
    ASSERT_TRUE(ReleaseAndWaitForRest());
    // Nothing restores a frame that marked nothing.
    EXPECT_TRUE(IsIconic(program_->Frame()));
    ExpectNothingConverted();
}

// A single move from the image onto a window of the program itself, read
// while the frame still stands, or onto the bare desktop: the release
// converts none of them.
TEST_F(FinderTest, ReleaseOverTheProgramsOwnWindowsOrTheDesktopConvertsNothing)
{
    ASSERT_TRUE(StartProgram());
    ASSERT_TRUE(input_.Tap("ctrl+n"));
    ASSERT_TRUE(WaitUntil([this] { return program_->Documents().size() == 1; })) << "no empty document";
    const POINT desktop{1270, 1010};
    ASSERT_EQ(WindowFromPoint(desktop), GetDesktopWindow()) << "a window lies on the desktop's corner";
    HWND frame = program_->Frame();
    // The bar's save button, the empty document's text and the desktop.
    const POINT places[] = {CentreOf(FindWindowExA(GetParent(program_->FinderImage()), nullptr, "Button", nullptr)),
                            CentreOf(ViewOf(program_->ActiveDocument())), desktop};
    for (const POINT& place : places) {
        SCOPED_TRACE(std::to_string(place.x) + "," + std::to_string(place.y));
        ASSERT_TRUE(PressFinder());
        ASSERT_TRUE(input_.MoveTo(place));
        ASSERT_TRUE(WaitUntil([frame] { return IsIconic(frame) != FALSE; }));
        ASSERT_TRUE(ReleaseAndWaitForRest());
        EXPECT_EQ(program_->Documents().size(), 1u);
        EXPECT_FALSE(program_->MessageBox()) << ShiftJisToUtf8(MessageBoxText(program_->MessageBox()));
        SendMessageA(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
        ASSERT_TRUE(WaitUntil([frame] { return IsIconic(frame) == FALSE; }));
    }
}

// Esc while a window is marked: the gesture ends at once, the frame comes
// back, and the button let go afterwards converts nothing.
TEST_F(FinderTest, EscAbandonsTheGesture)
{
    HWND dialog = OpenBesideProgram(L"buttons");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(PressFinder());
    ASSERT_TRUE(DragFinderTo(CentreOf(GetDlgItem(dialog, IDC_CHECK_OFF))));
    ASSERT_TRUE(input_.Tap("Escape"));
    EXPECT_TRUE(WaitUntil([this] { return program_->FinderBitmap() != liftedImage_ && !IsIconic(program_->Frame()); }))
        << "the gesture went on";
    ASSERT_TRUE(input_.Release());
    ASSERT_TRUE(program_->Answers());
    ExpectNothingConverted();
}

TEST_F(FinderTest, TopLevelWindowIsConvertedWholeAndAControlAlone)
{
    HWND dialog = OpenBesideProgram(L"buttons");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(ConvertAt(OnCaption(dialog)));
    EXPECT_FALSE(IsIconic(program_->Frame()));
    EXPECT_NE(program_->FinderBitmap(), liftedImage_);
    {
        SCOPED_TRACE("the dialog");
        const QscapConversion whole = ExpectActiveDocumentIsConversionOf(dialog);
        EXPECT_EQ(whole.title, ShownText(dialog));
        // The picture is wider and higher than the main frame has room for.
        const SIZE wanted = PictureFrameSize(whole.outputCols, whole.outputRows);
        const SIZE room = ChildFrameRoom(program_->Frame());
        EXPECT_GT(wanted.cx, room.cx);
        EXPECT_GT(wanted.cy, room.cy);
    }

    // A check box inside a group box: the smaller of the two under the pointer.
    HWND check = GetDlgItem(dialog, IDC_CHECK_JAPANESE);
    RECT group;
    GetWindowRect(GetDlgItem(dialog, IDC_GROUP_CHECKS), &group);
    ASSERT_TRUE(PtInRect(&group, CentreOf(check)));
    ASSERT_TRUE(ConvertAt(CentreOf(check)));
    {
        SCOPED_TRACE("the check box");
        const QscapConversion alone = ExpectActiveDocumentIsConversionOf(check);
        // Titled after the check box's line: its mark and its caption.
        EXPECT_TRUE(EndsWith(alone.title, "保存する")) << ShiftJisToUtf8(alone.title);
        const SIZE wanted = PictureFrameSize(alone.outputCols, alone.outputRows);
        const SIZE room = ChildFrameRoom(program_->Frame());
        EXPECT_LT(wanted.cx, room.cx);
        EXPECT_LT(wanted.cy, room.cy);
    }
    EXPECT_EQ(program_->Documents().size(), 2u);
}

TEST_F(FinderTest, MovesWithinATargetAndOnToAnotherConvertTheLast)
{
    HWND dialog = OpenBesideProgram(L"buttons");
    ASSERT_TRUE(dialog);
    const POINT first = CentreOf(GetDlgItem(dialog, IDC_CHECK_OFF));
    const POINT last = CentreOf(GetDlgItem(dialog, IDC_RADIO_B));
    ASSERT_TRUE(PressFinder());
    ASSERT_TRUE(DragFinderTo(first));
    ASSERT_TRUE(input_.Glide(first, Moved(first, 60, 4), 4));
    ASSERT_TRUE(input_.Glide(Moved(first, 60, 4), last, 8));
    ASSERT_TRUE(ReleaseAndWaitForDocuments(1));
    const std::string title = ExpectActiveDocumentIsConversionOf(GetDlgItem(dialog, IDC_RADIO_B)).title;
    EXPECT_TRUE(EndsWith(title, "Radio B")) << ShiftJisToUtf8(title);
}

TEST_F(FinderTest, ShiftOrCtrlHeldFreezesTheMarkUntilLetGo)
{
    HWND dialog = OpenBesideProgram(L"buttons");
    ASSERT_TRUE(dialog);
    HWND marked = GetDlgItem(dialog, IDC_CHECK_OFF);
    HWND other = GetDlgItem(dialog, IDC_PUSH_CANCEL);
    size_t documents = 0;
    // Held to the release: the window marked before the key went down.
    const std::pair<const char*, int> keys[] = {{"shift", VK_SHIFT}, {"ctrl", VK_CONTROL}};
    for (const auto& [key, virtualKey] : keys) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(PressFinder());
        ASSERT_TRUE(DragFinderTo(CentreOf(marked)));
        ASSERT_TRUE(input_.KeyDown(key) && KeyStateIs(virtualKey, true));
        ASSERT_TRUE(input_.Glide(CentreOf(marked), CentreOf(other), 8));
        ASSERT_TRUE(ReleaseAndWaitForDocuments(++documents));
        ASSERT_TRUE(input_.KeyUp(key) && KeyStateIs(virtualKey, false));
        const std::string title = ExpectActiveDocumentIsConversionOf(marked).title;
        EXPECT_TRUE(EndsWith(title, "Unchecked")) << ShiftJisToUtf8(title);
    }
    // Let go before the last move: that move marks again.
    ASSERT_TRUE(PressFinder());
    ASSERT_TRUE(DragFinderTo(CentreOf(marked)));
    ASSERT_TRUE(input_.KeyDown("shift") && KeyStateIs(VK_SHIFT, true));
    ASSERT_TRUE(input_.Glide(CentreOf(marked), CentreOf(other), 8));
    ASSERT_TRUE(input_.KeyUp("shift") && KeyStateIs(VK_SHIFT, false));
    ASSERT_TRUE(input_.MoveTo(Moved(CentreOf(other), 2, 1)));
    ASSERT_TRUE(ReleaseAndWaitForDocuments(++documents));
    EXPECT_EQ(ExpectActiveDocumentIsConversionOf(other).title, "Cancel");
}

TEST_F(FinderTest, DisabledButtonAndPlainLabelAreFound)
{
    HWND dialog = OpenBesideProgram(L"drop");
    ASSERT_TRUE(dialog);
    size_t documents = 0;
    // The system skips disabled windows. Wine hit-tests only windows of the
    // asking thread, so the label's transparency shows only in its own process.
    ASSERT_EQ(WindowFromPoint(CentreOf(GetDlgItem(dialog, IDC_DROP_DISABLED))), dialog);
    for (int id : {IDC_DROP_DISABLED, IDC_DROP_LABEL}) {
        SCOPED_TRACE(id);
        HWND control = GetDlgItem(dialog, id);
        ASSERT_TRUE(ConvertAt(CentreOf(control)));
        EXPECT_EQ(program_->Documents().size(), ++documents);
        EXPECT_EQ(ExpectActiveDocumentIsConversionOf(control).title, ShownText(control));
    }
}

}  // namespace

namespace {

// A conversion's own bound is 30 s; a stopped one ends well before.
constexpr DWORD kStoppedWithinMs = 15000;

class SilentProgramTest : public FinderTest {
protected:
    // The "lists" window beside the program, its thread stopped for good.
    HWND OpenSilentBesideProgram()
    {
        HWND window = OpenBesideProgram(L"lists --hang-after-ready");
        EXPECT_TRUE(window && WaitUntil([window] { return IsHungAppWindow(window) != FALSE; }))
            << "the fixture still answers";
        return window;
    }
};

// Picking, marking and letting go ask nothing of the window under the
// pointer that could wait on it; its conversion shows what the system knows,
// as qscap does, and the message pane says what is missing.
TEST_F(SilentProgramTest, AWindowThatStoppedAnsweringIsMarkedAndConvertedWithoutWaitingForIt)
{
    HWND window = OpenSilentBesideProgram();
    ASSERT_TRUE(window);
    const DWORD start = GetTickCount();
    ASSERT_TRUE(ConvertAt(OnCaption(window)));
    // One timeout for the silent thread, however many of its windows are read.
    EXPECT_LT(GetTickCount() - start, 20000u);
    EXPECT_EQ(ShiftJisToUtf8(MessagePaneText(program_->Frame())),
              ShiftJisToUtf8("応答しないプログラムがあったため、一部の内容を取得できませんでした。"));
    const std::string text = ViewText(ViewOf(program_->ActiveDocument()));
    EXPECT_EQ(text.rfind("┏", 0), 0u) << ShiftJisToUtf8(text);
    EXPECT_NE(text.find("Fixture: lists"), std::string::npos) << ShiftJisToUtf8(text);
}

// A program that answers, only slowly, makes a long conversion. Esc stops
// it at the next window it reads, long before its time bound: the program
// answers again, the document holds what was read, without the windows
// after the stop, and the message pane says that the conversion was stopped.
TEST_F(FinderTest, EscStopsAConversionThatIsStillReading)
{
    HWND dialog = OpenBesideProgram(L"lists --slow-answers");
    ASSERT_TRUE(dialog);
    HWND frame = program_->Frame();
    ASSERT_TRUE(PressFinder());
    ASSERT_TRUE(DragFinderTo(OnCaption(dialog)));
    ASSERT_TRUE(input_.Release());
    // Capture let go and the frame restored: the conversion has begun. The
    // program, busy with it, is asked nothing until the document is there.
    ASSERT_TRUE(WaitUntil([frame] { return MouseCaptureOf(frame) != frame && !IsIconic(frame); }));
    ASSERT_TRUE(input_.MoveTo(CentreOf(program_->MdiClient())));
    const DWORD pressed = GetTickCount();
    ASSERT_TRUE(input_.Tap("Escape"));
    const std::string titled = "Quillscape - " + ShownText(dialog);
    ASSERT_TRUE(WaitUntil([&] { return ShownText(frame) == titled; })) << ShiftJisToUtf8(ShownText(frame));
    EXPECT_LT(GetTickCount() - pressed, kStoppedWithinMs);
    ASSERT_TRUE(program_->Answers());

    ASSERT_EQ(program_->Documents().size(), 1u);
    EXPECT_EQ(ShownText(program_->ActiveDocument()), ShownText(dialog));
    EXPECT_EQ(ShiftJisToUtf8(MessagePaneText(frame)), ShiftJisToUtf8("取得を中止しました。"));
    const std::string text = ViewText(ViewOf(program_->ActiveDocument()));
    EXPECT_EQ(text.rfind("┏", 0), 0u) << ShiftJisToUtf8(text);
    EXPECT_NE(text.find("Fixture: lists"), std::string::npos) << ShiftJisToUtf8(text);
    // The list box is read after the combo boxes, its entries one by one.
    EXPECT_EQ(text.find("Entry"), std::string::npos) << ShiftJisToUtf8(text);
}

}  // namespace
