// The program's Japanese interface, chosen in the profile, read from outside
// through the wide functions: whole on a system of any code page. ctest runs
// these also in a prefix of an English locale (code page 1252). Other processes cannot
// read a menu under Wine: the app tests read the menus.
#include "gui_test.h"
#include "program_profile.h"
#include "resource.h"
#include "wait_until.h"

#include <commctrl.h>

#include <string>

namespace {

constexpr UINT kCommandNew = 0xE100;
constexpr UINT kCommandClose = 0xE102;
constexpr DWORD kAnswerTimeoutMs = 20000;

// A window of another process: its text through the wide message.
std::wstring TextOf(HWND window)
{
    wchar_t text[256] = L"";
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        kAnswerTimeoutMs, &copied);
    return text;
}

// The dialog of the program's thread with the caption `caption`, or null.
HWND DialogOf(HWND frame, const wchar_t* caption)
{
    HWND found = FindWindowW(L"#32770", caption);
    return found && GetWindowThreadProcessId(found, nullptr) == GetWindowThreadProcessId(frame, nullptr) ? found
                                                                                                         : nullptr;
}

BOOL CALLBACK CollectLongestText(HWND window, LPARAM lParam)
{
    auto* longest = reinterpret_cast<std::wstring*>(lParam);
    const std::wstring text = TextOf(window);
    if (text.size() > longest->size())
        *longest = text;
    return TRUE;
}

class WideInterfaceTest : public GuiTest {};

TEST_F(WideInterfaceTest, TheJapaneseInterfaceShowsWhole)
{
    ASSERT_TRUE(WriteProfileText("Settei", "Language", "ja"));
    ASSERT_TRUE(StartProgram());
    HWND frame = program_->Frame();
    HWND status = FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr);
    EXPECT_EQ(TextOf(status), L"レディ") << "the message pane";

    PostMessageW(frame, WM_COMMAND, ID_OPTIONS, 0);
    HWND options = nullptr;
    // Shown once its controls are made.
    ASSERT_TRUE(WaitUntil([&] { return (options = DialogOf(frame, L"ｵﾌﾟｼｮﾝ")) && IsWindowVisible(options); }))
        << "no options dialog";
    EXPECT_EQ(TextOf(GetDlgItem(options, IDC_DEL_SPACE_LINES)), L"縦方向に詰める");
    PostMessageW(options, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }));

    // An edited document asks before it closes, in a message box.
    PostMessageW(frame, WM_COMMAND, kCommandNew, 0);
    ASSERT_TRUE(WaitUntil([&] { return program_->ActiveDocument() != nullptr; }));
    HWND child = program_->ActiveDocument();
    EXPECT_EQ(TextOf(child), L"QSC1");
    PostMessageW(ViewOf(child), WM_CHAR, L'カ', 1);
    PostMessageW(frame, WM_COMMAND, kCommandClose, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = program_->MessageBox()) != nullptr; })) << "no question";
    EXPECT_EQ(TextOf(box), L"Quillscape");
    std::wstring question;
    EnumChildWindows(box, CollectLongestText, reinterpret_cast<LPARAM>(&question));
    EXPECT_EQ(question, L"QSC1 への変更を保存しますか?");
    PostMessageW(box, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(WaitUntil([&] { return program_->Documents().empty(); }));
}

}  // namespace
