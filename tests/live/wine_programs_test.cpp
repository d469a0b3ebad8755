// Windows of Wine's own programs, whose fonts, sizes and wording are not
// ours: their pictures are checked for what holds whatever those are. The
// outer frame is closed, no line runs past the right frame edge, and every
// visible control that has a text shows it.

#include "child_process.h"
#include "live_capture.h"
#include "picture_checks.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kWindowTimeoutMs = 60000;
constexpr DWORD kPollMs = 50;
constexpr UINT kAnswerTimeoutMs = 5000;
constexpr WPARAM kNotepadFindCommand = 0x120;  // Wine notepad's Search > Find...

struct WindowSearch {
    DWORD process;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lp)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64];
    if (process != search.process || !IsWindowVisible(window) ||
        !GetClassNameA(window, className, sizeof className) || std::string(className) != search.className)
        return TRUE;
    search.found = window;
    return FALSE;
}

// Polls the top-level windows, bounded, for a visible one of this class
// that belongs to the process.
HWND WaitForWindow(DWORD process, const char* className)
{
    const DWORD start = GetTickCount();
    for (;;) {
        WindowSearch search{process, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount() - start >= kWindowTimeoutMs)
            return search.found;
        Sleep(kPollMs);
    }
}

// The text the control reports (WM_GETTEXT), in the ANSI code page.
std::string ControlText(HWND control)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length) ||
        length == 0)
        return {};
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]), SMTO_ABORTIFHUNG,
                        kAnswerTimeoutMs, &copied);
    wide.resize(copied);
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], size, nullptr, nullptr);
    return text;
}

BOOL CALLBACK CollectText(HWND control, LPARAM lp)
{
    if (IsWindowVisible(control)) {
        const std::string text = ControlText(control);
        if (!text.empty())
            reinterpret_cast<std::vector<std::string>*>(lp)->push_back(text);
    }
    return TRUE;
}

// The texts of all visible descendants that have one.
std::vector<std::string> VisibleControlTexts(HWND window)
{
    std::vector<std::string> texts;
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

void ExpectSoundPicture(HWND window)
{
    const ConversionResult result = CaptureLive(window);
    SCOPED_TRACE("the picture:\n" + PictureUtf8(result.text));
    EXPECT_TRUE(ShowsText(result.text, result.title));
    EXPECT_TRUE(HasClosedOuterFrame(result.text));
    EXPECT_TRUE(LinesFit(result.text, result.outputCols));
    const std::vector<std::string> texts = VisibleControlTexts(window);
    EXPECT_FALSE(texts.empty());
    for (const std::string& text : texts)
        EXPECT_TRUE(ShowsText(result.text, text));
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

}  // namespace
