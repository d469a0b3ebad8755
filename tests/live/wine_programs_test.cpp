// Windows of Wine's own programs, whose fonts, sizes and wording are not
// ours: their pictures are checked for what holds whatever those are. The
// outer frame is closed, no line runs past the right frame edge, every
// visible control that has a text shows it, and trees and list views show
// the items that the controls themselves report.

#include "child_process.h"
#include "live_capture.h"
#include "picture_checks.h"
#include "remote_items.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
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

bool HasClass(HWND window, const char* className)
{
    char name[64];
    return GetClassNameA(window, name, sizeof name) && std::string(name) == className;
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM lp)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window) || !HasClass(window, search.className))
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

BOOL CALLBACK MatchDescendant(HWND window, LPARAM lp)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(lp);
    if (!HasClass(window, search.className))
        return TRUE;
    search.found = window;
    return FALSE;
}

// The first descendant of this class, or null.
HWND FindDescendant(HWND window, const char* className)
{
    WindowSearch search{0, className, nullptr};
    EnumChildWindows(window, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

// Tree views and list views show their items in a picture, never their
// window texts.
bool ShowsItemsOnly(HWND control)
{
    return HasClass(control, WC_TREEVIEWA) || HasClass(control, WC_LISTVIEWA);
}

BOOL CALLBACK CollectText(HWND control, LPARAM lp)
{
    if (IsWindowVisible(control) && !ShowsItemsOnly(control)) {
        const std::string text = ControlText(control);
        if (!text.empty())
            reinterpret_cast<std::vector<std::string>*>(lp)->push_back(text);
    }
    return TRUE;
}

// The texts of all visible descendants that have one and show it.
std::vector<std::string> VisibleControlTexts(HWND window)
{
    std::vector<std::string> texts;
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// Converts the window whole and checks what holds for every program; the
// conversion for further checks.
ConversionResult ExpectSoundPicture(HWND window)
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

// Wine's regedit in its own process with HKEY_CURRENT_USER selected and
// expanded, ended by its handle at the end: it saves nothing then.
class WineRegeditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(regedit_.Started()) << "cannot start regedit.exe";
        main_ = WaitForWindow(regedit_.Id(), "RegEdit_RegEdit");
        ASSERT_TRUE(main_) << "no regedit window";
        tree_ = FindDescendant(main_, WC_TREEVIEWA);
        list_ = FindDescendant(main_, WC_LISTVIEWA);
        ASSERT_TRUE(tree_ && list_) << "no tree view or list view";
        ASSERT_TRUE(OpenCurrentUser());
    }

    // Selects HKEY_CURRENT_USER, which fills the list with its values, and
    // expands it, which fills its branch; waits, bounded, for both.
    [[nodiscard]] bool OpenCurrentUser()
    {
        HTREEITEM computer = reinterpret_cast<HTREEITEM>(AskControl(tree_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        HTREEITEM user = FindTreeChild(tree_, computer, "HKEY_CURRENT_USER");
        if (!user)
            return false;
        AskControl(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(user));
        AskControl(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(user));
        const DWORD start = GetTickCount();
        while (!(IsExpandedWithChildren(user) && AskControl(list_, LVM_GETITEMCOUNT, 0, 0) > 0)) {
            if (GetTickCount() - start >= kWindowTimeoutMs)
                return false;
            Sleep(kPollMs);
        }
        return true;
    }

    bool IsExpandedWithChildren(HTREEITEM item) const
    {
        return (AskControl(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) &&
               AskControl(tree_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item));
    }

    ChildProcess regedit_{L"regedit.exe", L""};
    HWND main_ = nullptr;
    HWND tree_ = nullptr;
    HWND list_ = nullptr;
};

// The tree's items, of which some lie in the expanded HKEY_CURRENT_USER.
std::vector<TreeItemState> ReadVisibleItems(HWND tree)
{
    const std::vector<TreeItemState> items = VisibleTreeItems(tree);
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const TreeItemState& item) { return item.depth == 2; }))
        << "nothing below HKEY_CURRENT_USER";
    return items;
}

TEST_F(WineRegeditTest, MainWindowShowsTreeHeadersAndValues)
{
    const ConversionResult result = ExpectSoundPicture(main_);
    SCOPED_TRACE("the picture:\n" + PictureUtf8(result.text));
    // The tree's container window is recorded after its children, and its
    // title ("regedit child window") overwrites the tree's first line: the
    // lines from the second on are checked here, all of them in the picture
    // of the tree alone below.
    const std::vector<TreeItemState> items = ReadVisibleItems(tree_);
    ASSERT_GT(items.size(), 1u);
    EXPECT_TRUE(ShowsTree(result.text, {items.begin() + 1, items.end()}));

    const std::vector<std::string> headers = HeaderTexts(list_);
    EXPECT_FALSE(headers.empty());
    for (const std::string& header : headers)
        EXPECT_TRUE(ShowsText(result.text, header));
    const std::vector<std::string> cells = ListCellTexts(list_);
    EXPECT_FALSE(cells.empty());
    for (const std::string& cell : cells)
        EXPECT_TRUE(ShowsText(result.text, cell));
}

TEST_F(WineRegeditTest, TreeAloneShowsEveryVisibleItemNested)
{
    const ConversionResult result = CaptureLive(tree_);
    SCOPED_TRACE("the picture:\n" + PictureUtf8(result.text));
    EXPECT_TRUE(LinesFit(result.text, result.outputCols));
    EXPECT_TRUE(ShowsTree(result.text, ReadVisibleItems(tree_)));
}

}  // namespace
