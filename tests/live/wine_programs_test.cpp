// Windows of Wine's own programs, whose fonts, sizes and wording are not
// ours: their pictures are checked for what holds whatever those are. The
// outer frame is closed, no line runs past the right frame edge, every
// visible control that has a text shows it, and trees and list views show
// the items that the controls themselves report.

#include "child_process.h"
#include "code_page.h"
#include "live_capture.h"
#include "picture_checks.h"
#include "wine_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;  // for the text typed into notepad
constexpr WPARAM kNotepadFindCommand = 0x120;  // Wine notepad's Search > Find...

// Converts the window whole and checks what holds for every program; the
// conversion for further checks.
ConversionResult ExpectSoundPicture(HWND window)
{
    const ConversionResult result = CaptureLive(window);
    SCOPED_TRACE("the picture:\n" + ShiftJisToUtf8(result.text));
    EXPECT_TRUE(ShowsText(result.text, result.title));
    EXPECT_TRUE(HasClosedOuterFrame(result.text));
    EXPECT_TRUE(HasOnlyWholeCharacters(result.text));
    EXPECT_TRUE(LinesFit(result.text, result.outputCols));
    const std::vector<std::string> texts = VisibleControlTexts(window);
    EXPECT_FALSE(texts.empty());
    for (const std::string& text : texts)
        EXPECT_TRUE(ShowsText(result.text, text));
    return result;
}

// Wine's notepad in its own process, ended by its handle at the end: with
// text typed in, it would ask whether to save.
class WineNotepadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(notepad_.Started()) << "cannot start notepad.exe";
        main_ = WaitForWindow(notepad_.Id(), "Notepad");
        ASSERT_TRUE(main_) << "no notepad window";
    }

    ChildProcess notepad_{L"notepad.exe", L""};
    HWND main_ = nullptr;
};

TEST_F(WineNotepadTest, MainWindowWithTextShowsItAll)
{
    HWND edit = FindWindowExA(main_, nullptr, "Edit", nullptr);
    ASSERT_TRUE(edit);
    DWORD_PTR ignored;
    ASSERT_TRUE(SendMessageTimeoutW(edit, WM_SETTEXT, 0,
                                    reinterpret_cast<LPARAM>(L"Quillscape reads this line. 日本語の行も読む"),
                                    SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &ignored));
    ExpectSoundPicture(main_);
}

TEST_F(WineNotepadTest, FindDialogShowsItAll)
{
    PostMessageA(main_, WM_COMMAND, kNotepadFindCommand, 0);
    HWND find = WaitForWindow(notepad_.Id(), "#32770");
    ASSERT_TRUE(find) << "no Find dialog";
    ExpectSoundPicture(find);
}

class WineRegeditTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(regedit_.Open()) << "no regedit window with HKEY_CURRENT_USER opened"; }

    WineRegedit regedit_;
};

TEST_F(WineRegeditTest, MainWindowShowsTreeHeadersAndValues)
{
    const ConversionResult result = ExpectSoundPicture(regedit_.Main());
    ExpectRegeditContent(result.text, regedit_);
}

TEST_F(WineRegeditTest, TreeAloneShowsEveryVisibleItemNested)
{
    const ConversionResult result = CaptureLive(regedit_.Tree());
    SCOPED_TRACE("the picture:\n" + ShiftJisToUtf8(result.text));
    EXPECT_TRUE(LinesFit(result.text, result.outputCols));
    EXPECT_TRUE(ShowsTree(result.text, regedit_.VisibleItems()));
}

}  // namespace
