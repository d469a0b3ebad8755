#include "wine_windows.h"

#include "code_page.h"
#include "live_capture.h"
#include "picture_checks.h"
#include "wait_until.h"
#include "wide_text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

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
    return Narrow(wide);
}

// Tree views and list views show their items in a picture, never their
// window texts.
bool ShowsItemsOnly(HWND control)
{
    return HasClass(control, WC_TREEVIEWA) || HasClass(control, WC_LISTVIEWA);
}

struct TextSearch {
    const char* except;
    std::vector<std::string> texts;
};

BOOL CALLBACK CollectText(HWND control, LPARAM lp)
{
    TextSearch& search = *reinterpret_cast<TextSearch*>(lp);
    if (IsWindowVisible(control) && !ShowsItemsOnly(control) && !(search.except && HasClass(control, search.except))) {
        const std::string text = ControlText(control);
        if (!text.empty())
            search.texts.push_back(text);
    }
    return TRUE;
}

}  // namespace

std::vector<std::string> VisibleControlTexts(HWND window, const char* except)
{
    TextSearch search{except, {}};
    EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&search));
    return search.texts;
}

WineRegedit::WineRegedit() : process_(L"regedit.exe", L"") {}

bool WineRegedit::Open()
{
    if (!process_.Started())
        return false;
    main_ = WaitForWindow(process_.Id(), "RegEdit_RegEdit");
    tree_ = main_ ? FindDescendant(main_, WC_TREEVIEWA) : nullptr;
    list_ = main_ ? FindDescendant(main_, WC_LISTVIEWA) : nullptr;
    return tree_ && list_ && OpenCurrentUser();
}

bool WineRegedit::OpenCurrentUser()
{
    HTREEITEM computer = reinterpret_cast<HTREEITEM>(AskControl(tree_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    HTREEITEM user = FindTreeChild(tree_, computer, "HKEY_CURRENT_USER");
    if (!user)
        return false;
    AskControl(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(user));
    AskControl(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(user));
    return WaitUntil([&] { return IsExpandedWithChildren(user) && AskControl(list_, LVM_GETITEMCOUNT, 0, 0) > 0; });
}

bool WineRegedit::IsExpandedWithChildren(HTREEITEM item) const
{
    return (AskControl(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) &&
           AskControl(tree_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item));
}

std::vector<TreeItemState> WineRegedit::VisibleItems() const
{
    const std::vector<TreeItemState> items = VisibleTreeItems(tree_);
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const TreeItemState& item) { return item.depth == 2; }))
        << "nothing below HKEY_CURRENT_USER";
    return items;
}

void ExpectShowsListContent(const std::string& picture, HWND list)
{
    const std::vector<std::string> headers = HeaderTexts(list);
    EXPECT_FALSE(headers.empty());
    for (const std::string& header : headers)
        EXPECT_TRUE(ShowsText(picture, header));
    const std::vector<std::string> cells = ListCellTexts(list);
    EXPECT_FALSE(cells.empty());
    for (const std::string& cell : cells)
        EXPECT_TRUE(ShowsText(picture, cell));
}

void ExpectRegeditContent(const std::string& picture, const WineRegedit& regedit)
{
    SCOPED_TRACE("the picture:\n" + ShiftJisToUtf8(picture));
    // The tree's container window is recorded after its children, and its
    // title ("regedit child window") overwrites the tree's first line: the
    // lines from the second on are checked here, all of them in the picture
    // of the tree alone.
    const std::vector<TreeItemState> items = regedit.VisibleItems();
    ASSERT_GT(items.size(), 1u);
    EXPECT_TRUE(ShowsTree(picture, {items.begin() + 1, items.end()}));
    ExpectShowsListContent(picture, regedit.List());
}
