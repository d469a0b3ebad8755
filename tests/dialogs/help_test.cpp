#include "command.h"
#include "help.h"
#include "help_recording.h"
#include "host_path.h"
#include "main_frame.h"
#include "quillscape_app.h"
#include "resource.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

#include <functional>
#include <memory>
#include <utility>

namespace {

const std::vector<std::wstring> kContents = {L"はじめに", L"ファインダーの使い方", L"出力された文書", L"オプション画面",
                                             L"バージョン情報"};

// The one viewer of this thread: our file's caption and contents.
void ExpectOurViewer()
{
    const std::vector<HWND> viewers = HelpViewersOfThread(GetCurrentThreadId());
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(CaptionOf(viewers[0]), L"Quillscape ヘルプ");
    EXPECT_EQ(ContentsOf(viewers[0]), kContents);
}

TEST(HelpTest, TheHelpCommandsAndTheFramesHelpMessageOpenTheContentsOfOurFile)
{
    TestApp app;
    const CommandRoute route = app.MainFrame()->Route();
    for (UINT id : {UINT{ID_OPTIONS}, kCommandAbout, kCommandContextHelp, kCommandHelp})
        EXPECT_TRUE(StateOfCommand(route, id).enabled) << id;

    HWND frame = app.MainFrame()->Handle();
    const std::string contents = HelpFilePath();
    const std::vector<std::pair<const char*, std::function<void()>>> triggers = {
        {"help command", [&] { app.Command(kCommandHelp); }},
        {"context help command", [&] { app.Command(kCommandContextHelp); }},
        // The message also sends the help command to the main window. The
        // viewer's own messages are handled afterwards, as the program's
        // loop does (TestApp drops what is left at its end).
        {"help message", [&] {
             HELPINFO info{sizeof info, HELPINFO_WINDOW, 0, frame, 0, {0, 0}};
             EXPECT_EQ(SendMessageA(frame, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), TRUE);
             TestApp::Pump();
         }},
    };
    const std::vector<std::vector<std::string>> expected = {{contents}, {contents}, {contents, contents}};
    for (size_t i = 0; i < triggers.size(); ++i) {
        SCOPED_TRACE(triggers[i].first);
        ForgetRecordedHelpCalls();
        triggers[i].second();
        EXPECT_EQ(RecordedFiles(HH_DISPLAY_TOC), expected[i]);
        ExpectOurViewer();
    }
}

TEST(HelpTest, TheHelpSystemLivesFromTheFramesMakingToItsEndWhichClosesTheViewer)
{
    ForgetRecordedHelpCalls();
    auto app = std::make_unique<TestApp>();
    app->Command(kCommandHelp);
    ExpectOurViewer();
    app.reset();
    EXPECT_TRUE(HelpViewersOfThread(GetCurrentThreadId()).empty());

    std::vector<UINT> commands;
    for (const HelpCall& call : RecordedHelpCalls())
        commands.push_back(call.command);
    EXPECT_EQ(commands, (std::vector<UINT>{HH_INITIALIZE, HH_DISPLAY_TOC, HH_CLOSE_ALL, HH_UNINITIALIZE}));
}

class ClassKey {
public:
    // A class id of the test's own, with the library registered for it.
    explicit ClassKey(const std::wstring& library)
    {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, kKey, nullptr, REG_SZ, library.c_str(),
                        static_cast<DWORD>((library.size() + 1) * sizeof(wchar_t)));
    }
    ~ClassKey() { RegDeleteTreeW(HKEY_CLASSES_ROOT, L"CLSID\\{6D1E5F0A-3C2B-4A77-9E41-0B5A7C1D2E39}"); }
    ClassKey(const ClassKey&) = delete;
    ClassKey& operator=(const ClassKey&) = delete;

    static constexpr const char* kName = "CLSID\\{6D1E5F0A-3C2B-4A77-9E41-0B5A7C1D2E39}\\InprocServer32";

private:
    static constexpr const wchar_t* kKey = L"CLSID\\{6D1E5F0A-3C2B-4A77-9E41-0B5A7C1D2E39}\\InprocServer32";
};

TEST(HtmlHelpLibraryTest, TheRegisteredLocationComesFirstThenTheNameAndAMissingLibraryIsNotSoughtAgain)
{
    const std::string file = HelpFilePath();
    {
        ClassKey registered(HostPath(QS_HELP_RECORDER));
        HtmlHelpLibrary library(ClassKey::kName, "qs-no-such-library.ocx");
        ForgetRecordedHelpCalls();
        EXPECT_NE(library.Call(nullptr, file.c_str(), HH_DISPLAY_TOC, 0), nullptr);
        EXPECT_EQ(RecordedFiles(HH_DISPLAY_TOC), std::vector<std::string>{file}) << "through the registered one";
        library.Call(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }
    {
        HtmlHelpLibrary library(ClassKey::kName, "hhctrl.ocx");
        ForgetRecordedHelpCalls();
        HWND viewer = library.Call(nullptr, file.c_str(), HH_DISPLAY_TOC, 0);
        EXPECT_NE(viewer, nullptr) << "found by its name";
        EXPECT_TRUE(RecordedHelpCalls().empty());
        library.Call(nullptr, nullptr, HH_CLOSE_ALL, 0);
        EXPECT_FALSE(IsWindow(viewer));
    }
    HtmlHelpLibrary missing(ClassKey::kName, "qs-no-such-library.ocx");
    EXPECT_EQ(missing.Call(nullptr, file.c_str(), HH_DISPLAY_TOC, 0), nullptr);
    ClassKey registeredLater(HostPath(QS_HELP_RECORDER));
    EXPECT_EQ(missing.Call(nullptr, file.c_str(), HH_DISPLAY_TOC, 0), nullptr) << "not tried again";
    EXPECT_TRUE(HelpViewersOfThread(GetCurrentThreadId()).empty());
}

}  // namespace
