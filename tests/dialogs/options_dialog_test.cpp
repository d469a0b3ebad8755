#include "capture_state.h"
#include "edit_view.h"
#include "help.h"
#include "help_recording.h"
#include "main_frame.h"
#include "mdi_child.h"
#include "modal_dialog.h"
#include "resource.h"
#include "settings.h"
#include "test_app.h"
#include "quillscape_process.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

#include <algorithm>
#include <vector>

namespace {

using Flags = std::vector<int32_t>;

Flags CurrentFlags()
{
    return {DelSpcLinFlg, DelSpcColFlg, CutUnderLine, NoMuitiLine};
}

const char kTargetClass[] = "QsOptionsTarget";

// A window to convert: a button whose caption carries a mnemonic, and a
// label far below it, with blank rows between them.
class ConversionTarget {
public:
    ConversionTarget()
    {
        RegisterPlainClass(kTargetClass);
        HINSTANCE instance = GetModuleHandleA(nullptr);
        window_ = CreateWindowExA(0, kTargetClass, "Options target", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 700,
                                  500, 320, 240, nullptr, nullptr, instance, nullptr);
        CreateWindowExA(0, "Button", "&Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 100, 30, window_,
                        nullptr, instance, nullptr);
        CreateWindowExA(0, "Static", "far below", WS_CHILD | WS_VISIBLE, 10, 160, 100, 20, window_, nullptr,
                        instance, nullptr);
    }
    ~ConversionTarget() { DestroyWindow(window_); }
    ConversionTarget(const ConversionTarget&) = delete;
    ConversionTarget& operator=(const ConversionTarget&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_;
};

class OptionsDialogTest : public ::testing::Test {
protected:
    CMainFrame* Frame() const { return static_cast<CMainFrame*>(app_.MainFrame()); }

    void WithOptions(const std::function<void(HWND)>& step)
    {
        WithModalDialog([this] { app_.Command(ID_OPTIONS); }, step);
    }

    // The text of a new document converted from `window`.
    std::string Convert(HWND window)
    {
        DropTarget = window;
        Frame()->ConvertWindow();
        TestApp::Pump();
        MdiChildWindow* child = Frame()->ActiveChild();
        return child ? static_cast<EditView*>(child->GetView())->Text() : std::string();
    }

    void CloseProgram()
    {
        SendMessageA(Frame()->Handle(), WM_CLOSE, 0, 0);
        TestApp::Pump();
    }

    TestApp app_;
    const Profile profile_{"Quon", "Quillscape"};
};

TEST_F(OptionsDialogTest, TheTemplateTicksOnlyFlagsOfOneAndOnlyOkRewritesThem)
{
    // Values as an edited profile may hold them.
    profile_.WriteInt("Settei", "DelSpcColFlg", 0);
    profile_.WriteInt("Settei", "CutUnderLine", 7);
    profile_.WriteInt("Settei", "NoMuitiLine", -1);
    LoadOptionFlags(profile_);
    ASSERT_EQ(CurrentFlags(), (Flags{1, 0, 7, -1}));

    WithOptions([](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "ｵﾌﾟｼｮﾝ");
        ExpectClientSize(dialog, 159, 93);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
        EXPECT_EQ(style & (DS_MODALFRAME | WS_CAPTION | WS_SYSMENU), DS_MODALFRAME | WS_CAPTION | WS_SYSMENU);
        ExpectControls(dialog, {
            {IDC_DEL_SPACE_LINES, "Button", BS_AUTOCHECKBOX, WS_TABSTOP, "縦方向に詰める", {6, 6, 62, 10}},
            {IDC_DEL_SPACE_COLUMNS, "Button", BS_AUTOCHECKBOX, WS_TABSTOP, "横方向に詰める", {6, 21, 62, 10}},
            {IDC_CUT_UNDERLINE, "Button", BS_AUTOCHECKBOX, WS_TABSTOP, "下線(&&)をｶｯﾄする", {6, 36, 71, 10}},
            {IDC_NO_MULTI_LINE, "Button", BS_AUTOCHECKBOX, WS_TABSTOP, "複数行を１行で表示する", {6, 51, 86, 10}},
            {IDOK, "Button", BS_DEFPUSHBUTTON, WS_TABSTOP, "OK", {47, 73, 50, 14}},
            {IDCANCEL, "Button", BS_PUSHBUTTON, WS_TABSTOP, "ｷｬﾝｾﾙ", {103, 73, 50, 14}},
        });
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_DEL_SPACE_LINES));
        EXPECT_TRUE(IsTicked(dialog, IDC_DEL_SPACE_LINES));
        EXPECT_FALSE(IsTicked(dialog, IDC_DEL_SPACE_COLUMNS));
        EXPECT_FALSE(IsTicked(dialog, IDC_CUT_UNDERLINE)) << "7 is not 1";
        EXPECT_FALSE(IsTicked(dialog, IDC_NO_MULTI_LINE)) << "-1 is not 1";
        Click(dialog, IDC_DEL_SPACE_COLUMNS);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(CurrentFlags(), (Flags{1, 0, 7, -1})) << "Cancel keeps every flag, the ticked box too";

    // The close box cancels as well.
    WithOptions([](HWND dialog) {
        Click(dialog, IDC_NO_MULTI_LINE);
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(CurrentFlags(), (Flags{1, 0, 7, -1}));

    WithOptions([](HWND dialog) { Click(dialog, IDOK); });
    EXPECT_EQ(CurrentFlags(), (Flags{1, 0, 0, 0})) << "OK writes each flag back from its box";
    EXPECT_EQ(profile_.GetInt("Settei", "CutUnderLine", 0), 7) << "the profile waits for the exit";

    CloseProgram();
    EXPECT_EQ(profile_.GetInt("Settei", "DelSpcLinFlg", -9), 1);
    EXPECT_EQ(profile_.GetInt("Settei", "DelSpcColFlg", -9), 0);
    EXPECT_EQ(profile_.GetInt("Settei", "CutUnderLine", -9), 0);
    EXPECT_EQ(profile_.GetInt("Settei", "NoMuitiLine", -9), 0);
}

TEST_F(OptionsDialogTest, TheNextConversionUsesTheConfirmedFlagsAndTheExitStoresThem)
{
    ConversionTarget target;
    const std::string before = Convert(target.Handle());
    EXPECT_NE(before.find("Go"), std::string::npos) << before;
    EXPECT_EQ(before.find("&Go"), std::string::npos) << "the mnemonic marker is cut by default\n" << before;

    WithOptions([](HWND dialog) {
        Click(dialog, IDC_DEL_SPACE_LINES);
        Click(dialog, IDC_CUT_UNDERLINE);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(CurrentFlags(), (Flags{0, 1, 0, 0}));
    EXPECT_EQ(profile_.GetInt("Settei", "CutUnderLine", -9), -9) << "nothing is written before the exit";

    const std::string after = Convert(target.Handle());
    EXPECT_NE(after.find("&Go"), std::string::npos) << after;
    EXPECT_GT(std::count(after.begin(), after.end(), '\n'), std::count(before.begin(), before.end(), '\n'))
        << "blank rows stay\n" << after;

    CloseProgram();
    EXPECT_EQ(profile_.GetInt("Settei", "DelSpcLinFlg", -9), 0);
    EXPECT_EQ(profile_.GetInt("Settei", "DelSpcColFlg", -9), 1);
    EXPECT_EQ(profile_.GetInt("Settei", "CutUnderLine", -9), 0);
    EXPECT_EQ(profile_.GetInt("Settei", "NoMuitiLine", -9), 0);
    ResetCaptureState();
}

TEST_F(OptionsDialogTest, F1OpensTheOptionsTopicAndTheDialogKeepsTheMessage)
{
    ForgetRecordedHelpCalls();
    WithOptions([](HWND dialog) {
        // As F1 does: the focused control gets the message and hands it to its parent.
        HELPINFO info{sizeof info, HELPINFO_WINDOW, IDC_DEL_SPACE_LINES, GetFocus(), 0, {0, 0}};
        SendMessageA(GetFocus(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        const std::vector<HWND> viewers = HelpViewersOfThread(GetCurrentThreadId());
        ASSERT_EQ(viewers.size(), 1u);
        EXPECT_EQ(CaptionOf(viewers[0]), L"Quillscape ヘルプ");
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(RecordedFiles(HH_DISPLAY_TOC), std::vector<std::string>{HelpFilePath() + "::/オプション画面.htm"})
        << "the main frame got no help message of its own";
}

}  // namespace
