#include "command.h"
#include "help.h"
#include "help_recording.h"
#include "host_path.h"
#include "main_frame.h"
#include "quillscape_app.h"
#include "quillscape_process.h"
#include "resource.h"
#include "test_app.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

#include <functional>
#include <memory>

namespace {

TEST(HelpTest, TheHelpCommandsAndMessageOpenOurFileAndTheExitClosesIt)
{
    ForgetRecordedHelpCalls();
    auto app = std::make_unique<TestApp>();
    for (UINT id : {UINT{ID_OPTIONS}, kCommandAbout, kCommandContextHelp, kCommandHelp})
        EXPECT_TRUE(StateOfCommand(app->MainFrame()->Route(), id).enabled) << id;

    HWND frame = app->MainFrame()->Handle();
    const std::string contents = Narrow(HelpFilePath());
    // The message sends the help command to the main window as well.
    const std::vector<std::pair<std::function<void()>, std::vector<std::string>>> triggers = {
        {[&] { app->Command(kCommandHelp); }, {contents}},
        {[&] { app->Command(kCommandContextHelp); }, {contents}},
        {[&] {
             HELPINFO info{sizeof info, HELPINFO_WINDOW, 0, frame, 0, {0, 0}};
             EXPECT_EQ(SendMessageA(frame, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), TRUE);
             TestApp::Pump();  // the viewer's own messages, as the program's loop handles them
         },
         {contents, contents}},
    };
    for (const auto& [trigger, files] : triggers) {
        const size_t before = RecordedFiles(HH_DISPLAY_TOC).size();
        trigger();
        const std::vector<std::string> all = RecordedFiles(HH_DISPLAY_TOC);
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<long>(before), all.end()), files);
        const std::vector<HWND> viewers = HelpViewersOfThread(GetCurrentThreadId());
        ASSERT_EQ(viewers.size(), 1u) << "one viewer, used again";
        EXPECT_EQ(WindowText(viewers[0]), L"Quillscape ヘルプ") << "the caption of our help file";
    }

    app.reset();
    EXPECT_TRUE(HelpViewersOfThread(GetCurrentThreadId()).empty());
    const std::vector<HelpCall> calls = RecordedHelpCalls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().command, static_cast<UINT>(HH_INITIALIZE));
    EXPECT_EQ(calls[calls.size() - 2].command, static_cast<UINT>(HH_CLOSE_ALL));
    EXPECT_EQ(calls.back().command, static_cast<UINT>(HH_UNINITIALIZE));
}

TEST(HelpTest, TheLibraryComesFromItsRegisteredPlaceElseByNameAndIsNotSoughtAgain)
{
    const wchar_t key[] = L"CLSID\\{6D1E5F0A-3C2B-4A77-9E41-0B5A7C1D2E39}";
    const std::wstring classKey = L"CLSID\\{6D1E5F0A-3C2B-4A77-9E41-0B5A7C1D2E39}\\InprocServer32";
    const std::wstring recorder = HostPath(QS_HELP_RECORDER);
    const auto registerRecorder = [&] {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, (std::wstring(key) + L"\\InprocServer32").c_str(), nullptr, REG_SZ,
                        recorder.c_str(), static_cast<DWORD>((recorder.size() + 1) * sizeof(wchar_t)));
    };
    const std::wstring file = HelpFilePath();

    HtmlHelpLibrary missing(classKey, L"qs-no-such-library.ocx");
    EXPECT_EQ(missing.Call(nullptr, file.c_str(), HH_DISPLAY_TOC, 0), nullptr);
    registerRecorder();
    EXPECT_EQ(missing.Call(nullptr, file.c_str(), HH_DISPLAY_TOC, 0), nullptr) << "not tried again";

    ForgetRecordedHelpCalls();
    HtmlHelpLibrary registered(classKey, L"qs-no-such-library.ocx");
    EXPECT_NE(registered.Call(nullptr, file.c_str(), HH_DISPLAY_TOC, 0), nullptr);
    EXPECT_EQ(RecordedFiles(HH_DISPLAY_TOC), std::vector<std::string>{Narrow(file)}) << "through the registered one";
    RegDeleteTreeW(HKEY_CLASSES_ROOT, key);

    ForgetRecordedHelpCalls();
    HtmlHelpLibrary byName(classKey, L"hhctrl.ocx");
    EXPECT_NE(byName.Call(nullptr, file.c_str(), HH_DISPLAY_TOC, 0), nullptr);
    EXPECT_TRUE(RecordedHelpCalls().empty()) << "the system's library, found by its name";
    byName.Call(nullptr, nullptr, HH_CLOSE_ALL, 0);
    EXPECT_TRUE(HelpViewersOfThread(GetCurrentThreadId()).empty());
}

}  // namespace
