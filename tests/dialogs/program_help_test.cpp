// Quillscape.exe in a process of its own, with F1 pressed on the keyboard:
// the accelerator and the system's help message of the frame, and the help
// message of the options dialog.
#include "help_recording.h"
#include "host_path.h"
#include "program_profile.h"
#include "program_windows.h"
#include "quillscape_process.h"
#include "resource.h"
#include "test_app.h"
#include "wait_until.h"
#include "wide_text.h"
#include "x_input.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

namespace {

// A help file beside the program, named as the program names it.
std::string HelpFileOf(const std::wstring& program, const std::wstring& name)
{
    return Narrow(program.substr(0, program.find_last_of(L'\\') + 1) + name);
}

// The files asked for since the calls were last forgotten, once there is
// at least one.
std::vector<std::string> FilesAskedFor()
{
    std::vector<std::string> files;
    WaitUntil([&] {
        files = RecordedFiles(HH_DISPLAY_TOC);
        return !files.empty();
    });
    return files;
}

// The program started with `language` in its profile (none when empty):
// F1 in the frame opens `helpFile` and in the options dialog its `topic`.
void ExpectF1OpensTheHelpOf(const char* language, const std::wstring& helpFile, const std::string& topic)
{
    ForgetProfile();
    if (*language) {
        ASSERT_TRUE(WriteProfileText("Settei", "Language", language));
    }
    ForgetRecordedHelpCalls();
    const std::string help = HelpFileOf(HostPath(QS_QUILLSCAPE), helpFile);
    QuillscapeProcess program(L"");
    ASSERT_TRUE(program.WaitUntilShown());
    const DWORD process = program.Process().Id();
    XInput input;

    ASSERT_TRUE(input.Run("mousemove " + XCoordinates(CentreOf(program.Frame())) + " click 1 key F1"));
    const std::vector<std::string> frameFiles = FilesAskedFor();
    ASSERT_FALSE(frameFiles.empty()) << "F1 in the frame asked for no help";
    for (const std::string& file : frameFiles)
        EXPECT_EQ(file, help);
    EXPECT_NE(WaitForWindow(process, "HH Parent"), nullptr);

    PostMessageA(program.Frame(), WM_COMMAND, ID_OPTIONS, 0);
    HWND dialog = WaitForWindow(process, "#32770");
    ASSERT_NE(dialog, nullptr);
    ForgetRecordedHelpCalls();
    // A click on the dialog right of its check boxes gives it the keyboard.
    ASSERT_TRUE(input.Run("mousemove " + XCoordinates(Moved(CentreOf(dialog), 110, 0)) + " click 1 key F1"));
    ASSERT_FALSE(FilesAskedFor().empty()) << "F1 in the dialog asked for no help";
    // The dialog's cancel comes after the help message in the queue.
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(RecordedFiles(HH_DISPLAY_TOC), std::vector<std::string>{help + topic});

    ASSERT_TRUE(program.Close());
    EXPECT_EQ(program.Process().ExitCode(), 0u);
    std::vector<UINT> ending;
    for (const HelpCall& call : RecordedHelpCalls()) {
        if (call.command != HH_DISPLAY_TOC)
            ending.push_back(call.command);
    }
    EXPECT_EQ(ending, (std::vector<UINT>{HH_CLOSE_ALL, HH_UNINITIALIZE}));
}

TEST(ProgramHelpTest, F1InTheFrameAndInTheOptionsDialogOpensTheirTopics)
{
    ExpectF1OpensTheHelpOf("", L"Quillscape.chm", "::/オプション画面.htm");
}

TEST(ProgramHelpTest, TheEnglishInterfaceOpensTheEnglishHelpAndItsOptionsTopic)
{
    ExpectF1OpensTheHelpOf("en", L"Quillscape-en.chm", "::/options.htm");
}

}  // namespace
