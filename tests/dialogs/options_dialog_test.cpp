#include "capture_state.h"
#include "dialog_answer.h"
#include "edit_view.h"
#include "main_frame.h"
#include "mdi_child.h"
#include "resource.h"
#include "settings.h"
#include "test_app.h"
#include "wide_text.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Flags = std::vector<int32_t>;

bool IsTicked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

Flags CurrentFlags()
{
    return {DelSpcLinFlg, DelSpcColFlg, CutUnderLine, NoMuitiLine};
}

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
        return Narrow(static_cast<EditView*>(Frame()->ActiveChild()->GetView())->Text());
    }

    // The flags as the exit stored them.
    Flags StoredAtExit()
    {
        SendMessageA(Frame()->Handle(), WM_CLOSE, 0, 0);
        TestApp::Pump();
        Flags stored;
        for (const wchar_t* key : {L"DelSpcLinFlg", L"DelSpcColFlg", L"CutUnderLine", L"NoMuitiLine"})
            stored.push_back(profile_.GetInt(L"Settei", key, -9));
        return stored;
    }

    TestApp app_;
    const Profile profile_{L"Quon", L"Quillscape"};
};

TEST_F(OptionsDialogTest, OnlyFlagsOfOneAreTickedCancelKeepsOddValuesAndOkRewritesThem)
{
    profile_.WriteInt(L"Settei", L"DelSpcColFlg", 0);
    profile_.WriteInt(L"Settei", L"CutUnderLine", 7);
    profile_.WriteInt(L"Settei", L"NoMuitiLine", -1);
    LoadOptionFlags(profile_);

    WithOptions([](HWND dialog) {
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_DEL_SPACE_LINES));
        EXPECT_TRUE(IsTicked(dialog, IDC_DEL_SPACE_LINES));
        EXPECT_FALSE(IsTicked(dialog, IDC_DEL_SPACE_COLUMNS));
        EXPECT_FALSE(IsTicked(dialog, IDC_CUT_UNDERLINE)) << "7 is not 1";
        EXPECT_FALSE(IsTicked(dialog, IDC_NO_MULTI_LINE)) << "-1 is not 1";
        Click(dialog, IDC_DEL_SPACE_COLUMNS);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(CurrentFlags(), (Flags{1, 0, 7, -1})) << "Cancel keeps every flag, the ticked box too";
    WithOptions([](HWND dialog) {
        Click(dialog, IDC_NO_MULTI_LINE);
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(CurrentFlags(), (Flags{1, 0, 7, -1})) << "the close box cancels too";

    WithOptions([](HWND dialog) { Click(dialog, IDOK); });
    EXPECT_EQ(CurrentFlags(), (Flags{1, 0, 0, 0})) << "OK writes each flag back from its box";
    EXPECT_EQ(profile_.GetInt(L"Settei", L"CutUnderLine", 0), 7) << "the profile waits for the exit";
    EXPECT_EQ(StoredAtExit(), (Flags{1, 0, 0, 0}));
}

TEST_F(OptionsDialogTest, TheNextConversionUsesTheConfirmedFlagsAndTheExitStoresThem)
{
    // A button whose caption carries a mnemonic, and a label far below it.
    RegisterPlainClass("QsOptionsTarget");
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND target = CreateWindowExA(0, "QsOptionsTarget", "Options target", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
                                  700, 500, 320, 240, nullptr, nullptr, instance, nullptr);
    CreateWindowExA(0, "Button", "&Go", WS_CHILD | WS_VISIBLE, 10, 10, 100, 30, target, nullptr, instance, nullptr);
    CreateWindowExA(0, "Static", "far below", WS_CHILD | WS_VISIBLE, 10, 160, 100, 20, target, nullptr, instance,
                    nullptr);
    const std::string before = Convert(target);
    EXPECT_NE(before.find("Go"), std::string::npos) << before;
    EXPECT_EQ(before.find("&Go"), std::string::npos) << "the marker is cut by default\n" << before;

    WithOptions([](HWND dialog) {
        Click(dialog, IDC_DEL_SPACE_LINES);
        Click(dialog, IDC_CUT_UNDERLINE);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(profile_.GetInt(L"Settei", L"CutUnderLine", -9), -9) << "nothing is written before the exit";
    const std::string after = Convert(target);
    EXPECT_NE(after.find("&Go"), std::string::npos) << after;
    EXPECT_GT(std::count(after.begin(), after.end(), '\n'), std::count(before.begin(), before.end(), '\n'))
        << "blank rows stay\n" << after;
    DestroyWindow(target);
    EXPECT_EQ(StoredAtExit(), (Flags{0, 1, 0, 0}));
    ResetCaptureState();
}

}  // namespace
