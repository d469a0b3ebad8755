#include "gui_test.h"

#include "code_page.h"
#include "host_path.h"
#include "program_profile.h"
#include "wait_until.h"

#include <algorithm>

namespace {

const char kSettings[] = "Settei";
constexpr int kGlideSteps = 8;
constexpr LONG kPressOffset = 8;
constexpr LONG kLastStep = 2;

bool StartsWith(const std::string& text, const std::string& head)
{
    return text.compare(0, head.size(), head) == 0;
}

size_t LineCount(const std::string& text)
{
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

// Wine hands X input on to the system when the process that owns the window
// under the pointer next looks for messages; a message sent to that window
// comes back after it has. Key and mouse input reach the system through
// different processes, and a mouse message carries the keys the system
// holds down when the move reaches it.  A program that has stopped answering
// looks for nothing: the drag's moves, which X hands to the client that the
// button was pressed in, are then known handed on once the frame answers.
bool InputHandedOnAt(POINT point, HWND frame)
{
    HWND under = GetAncestor(WindowFromPoint(point), GA_ROOT);
    if (under && IsHungAppWindow(under))
        under = frame;
    DWORD_PTR result = 0;
    return under && SendMessageTimeoutW(under, WM_NULL, 0, 0, SMTO_NORMAL, kStateTimeoutMs, &result);
}

// What tells where a gesture stopped, for failure messages.
std::string FinderState(const QuillscapeProcess& program, HANDLE liftedImage)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    return std::string("frame ") + (IsIconic(program.Frame()) ? "minimised" : "shown") + ", mouse " +
           (MouseCaptureOf(program.Frame()) == program.Frame() ? "captured" : "free") + ", tool " +
           (program.FinderBitmap() == liftedImage ? "lifted" : "at rest") + ", pointer at " +
           std::to_string(cursor.x) + "," + std::to_string(cursor.y);
}

}  // namespace

void GuiTest::SetUp()
{
    ForgetProfile();
}

void GuiTest::SeedSetting(const char* key, DWORD value)
{
    EXPECT_TRUE(WriteProfileNumber(kSettings, key, value)) << key;
}

std::optional<DWORD> GuiTest::Setting(const char* key)
{
    return ProfileNumber(kSettings, key);
}

void GuiTest::SeedPlacementBesideFixtures()
{
    SeedSetting("Left", 660);
    SeedSetting("top", 40);
    SeedSetting("Right", 1060);
    SeedSetting("Bottom", 340);
}

bool GuiTest::StartProgram(const std::wstring& arguments)
{
    program_ = std::make_unique<QuillscapeProcess>(arguments);
    return program_->WaitUntilShown();
}

HWND GuiTest::OpenFixture(const std::wstring& name)
{
    fixtures_.push_back(std::make_unique<FixtureProcess>(HostPath(QS_QSFIXTURE), name));
    return fixtures_.back()->ReadyWindow();
}

bool GuiTest::PressFinder()
{
    const HANDLE resting = program_->FinderBitmap();
    // Two presses in a row never come close enough to be a double click,
    // which the image takes for no press.
    const LONG side = (++presses_ % 2 == 0) ? 1 : -1;
    pressedAt_ = Moved(CentreOf(program_->FinderImage()), side * kPressOffset, 0);
    if (!input_.MoveTo(pressedAt_) || !input_.Press())
        return false;
    const bool lifted = WaitUntil([this, resting] { return program_->FinderBitmap() != resting; });
    EXPECT_TRUE(lifted) << "the finder image did not change";
    liftedImage_ = program_->FinderBitmap();
    return lifted;
}

bool GuiTest::DragFinderTo(POINT point)
{
    // Moves that Wine delivers at once may come as one, read while the
    // frame still stands: it marks nothing (it picks the frame itself, or,
    // left of or above the frame, a point that the halves read unsigned put
    // off the screen). As for a hand, the next move after the minimising marks.
    if (!input_.Glide(pressedAt_, Moved(point, -kLastStep, -kLastStep), kGlideSteps))
        return false;
    const bool minimised = WaitUntil([this] { return IsIconic(program_->Frame()) != FALSE; });
    EXPECT_TRUE(minimised) << "the main frame was not minimised; " << FinderState(*program_, liftedImage_);
    return minimised && input_.MoveTo(point) && InputHandedOnAt(point, program_->Frame());
}

bool GuiTest::ReleaseAndWaitForDocuments(size_t documents)
{
    if (!input_.Release())
        return false;
    // A new document is titled QSC<n> until the conversion gives it its own title.
    const bool converted = WaitUntil([this, documents] {
        return program_->Documents().size() == documents &&
               !StartsWith(ShownText(program_->ActiveDocument()), "QSC") && program_->Answers();
    });
    EXPECT_TRUE(converted) << program_->Documents().size() << " documents instead of " << documents
                           << ", the active one titled \"" << ShiftJisToUtf8(ShownText(program_->ActiveDocument()))
                           << "\"; " << FinderState(*program_, liftedImage_);
    return converted;
}

bool GuiTest::ReleaseAndWaitForRest()
{
    if (!input_.Release())
        return false;
    // The image is set back first of all; the next message is taken only
    // once the release has been handled.
    const bool rest = WaitUntil([this] { return program_->FinderBitmap() != liftedImage_; }) && program_->Answers();
    EXPECT_TRUE(rest) << "the finder image did not come back";
    return rest;
}

bool GuiTest::ConvertAt(POINT point)
{
    const size_t documents = program_->Documents().size();
    return PressFinder() && DragFinderTo(point) && ReleaseAndWaitForDocuments(documents + 1);
}

QscapConversion GuiTest::ExpectActiveDocumentIsConversionOf(HWND target)
{
    QscapConversion expected;
    if (!ConvertWithQscap(target, &expected))
        return expected;
    HWND child = program_->ActiveDocument();
    const std::string text = ViewText(ViewOf(child));
    EXPECT_TRUE(text == expected.text) << "the document:\n"
                                       << ShiftJisToUtf8(text) << "qscap:\n"
                                       << ShiftJisToUtf8(expected.text);
    EXPECT_EQ(ShiftJisToUtf8(ShownText(child)), ShiftJisToUtf8(expected.title));
    EXPECT_EQ(ShiftJisToUtf8(ShownText(program_->Frame())), ShiftJisToUtf8("Quillscape - " + expected.title));

    EXPECT_EQ(static_cast<size_t>(expected.outputRows), LineCount(expected.text));
    const SIZE wanted = PictureFrameSize(expected.outputCols, expected.outputRows);
    const SIZE room = ChildFrameRoom(program_->Frame());
    RECT frame;
    GetWindowRect(child, &frame);
    EXPECT_EQ(frame.right - frame.left, std::min(wanted.cx, room.cx)) << expected.outputCols << " columns";
    EXPECT_EQ(frame.bottom - frame.top, std::min(wanted.cy, room.cy)) << expected.outputRows << " rows";
    return expected;
}

POINT OnCaption(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return {rect.left + 60, rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
}

SIZE PictureFrameSize(int cols, int rows)
{
    return {cols * 6 + 2 * GetSystemMetrics(SM_CXDLGFRAME) + 50,
            rows * 12 + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYDLGFRAME) + 50};
}

SIZE ChildFrameRoom(HWND mainFrame)
{
    RECT client{};
    GetClientRect(mainFrame, &client);
    return {client.right, client.bottom - 64};
}

HWND MouseCaptureOf(HWND window)
{
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    return thread.hwndCapture;
}
