// Trees made by the test, rendered by the tree extractor through the walk on
// both channel paths.
#include "item_controls.h"
#include "walker.h"

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class TreeViewTest : public ItemControlTest {
protected:
    HWND AddTree(DWORD style = 0, int height = 200) { return AddControl(WC_TREEVIEWA, style, 10, 10, 200, height); }

    // The texts of the tree's lines, after its own record.
    static Lines LinesOf(const std::vector<CaptureItem>& items)
    {
        Lines lines;
        for (size_t i = 1; i < items.size(); ++i)
            lines.push_back(items[i].text);
        return lines;
    }

    // Captures the tree alone and checks its own record.
    Lines CaptureAlone(HWND tree)
    {
        const auto items = Capture(tree);
        if (items.empty())
            return {"no records"};
        EXPECT_EQ(KindAndShape(items[0]), "I ") << "a single tree opens its block without a frame";
        EXPECT_STREQ(items[0].className, "SysTreeView32");
        EXPECT_EQ(items[0].text, "");
        for (size_t i = 1; i < items.size(); ++i) {
            EXPECT_STREQ(items[i].className, "SysTreeView32");
            EXPECT_EQ(KindAndShape(items[i]), "  ") << items[i].text;
        }
        return LinesOf(items);
    }
};

TEST_P(TreeViewTest, LeavesAndEmptyTrees)
{
    HWND leaves = AddTree();
    for (const char* text : {"x", "y", "z"})
        AddTreeItem(leaves, nullptr, text);
    EXPECT_EQ(CaptureAlone(leaves), (Lines{" ├x", " ├y", " └z"})) << "no connector between root lines";

    HWND empty = AddTree();
    EXPECT_EQ(CaptureAlone(empty), (Lines{" └"})) << "the missing root leaves the block untouched";

    HWND announced = AddTree();
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>("later");
    insert.item.cChildren = 1;
    SendMessageA(announced, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    EXPECT_EQ(CaptureAlone(announced), (Lines{"[+]later"})) << "children announced but not inserted yet";
}

TEST_P(TreeViewTest, BranchesAreIndentedAndJoinedToTheirNextSibling)
{
    HWND tree = AddTree(0, 300);
    HTREEITEM a = AddTreeItem(tree, nullptr, "A");
    HTREEITEM a1 = AddTreeItem(tree, a, "a1");
    AddTreeItem(tree, a1, "a1x");
    AddTreeItem(tree, a, "a2");
    HTREEITEM c = AddTreeItem(tree, nullptr, "C");
    HTREEITEM c1 = AddTreeItem(tree, c, "c1");
    AddTreeItem(tree, c1, "c1a");
    AddTreeItem(tree, c, "c2");
    AddTreeItem(tree, nullptr, "B");
    for (HTREEITEM expanded : {a, c, c1})
        ExpandTreeItem(tree, expanded);

    EXPECT_EQ(CaptureAlone(tree), (Lines{
                                      "[-]A",
                                      " │ [+]a1",
                                      " │  └a2",
                                      "[-]C",
                                      " │ [-]c1",
                                      " │  │  └c1a",
                                      " │  └c2",
                                      " └B",
                                  }));
}

// An expanded item without children ends its level and every level above;
// the root level goes on.
TEST_P(TreeViewTest, AnExpandedItemWithoutChildrenEndsTheBranchesAboveIt)
{
    HWND tree = AddTree();
    HTREEITEM r = AddTreeItem(tree, nullptr, "R");
    HTREEITEM empty = AddTreeItem(tree, r, "c1");
    AddTreeItem(tree, r, "c2");
    AddTreeItem(tree, nullptr, "S");
    ExpandTreeItem(tree, r);
    SetTreeItemState(tree, empty, TVIS_EXPANDED, TVIS_EXPANDED);

    EXPECT_EQ(CaptureAlone(tree), (Lines{"[-]R", " │ [-]c1", " └S"}));
}

TEST_P(TreeViewTest, CheckMarksFollowTheStyleNotTheState)
{
    for (const DWORD style : {DWORD{TVS_CHECKBOXES}, DWORD{0}}) {
        HWND tree = AddTree(style);
        HTREEITEM checked = AddTreeItem(tree, nullptr, "x");
        AddTreeItem(tree, nullptr, "y");
        HTREEITEM open = AddTreeItem(tree, nullptr, "z");
        AddTreeItem(tree, open, "z1");
        ExpandTreeItem(tree, open);
        PumpMessages();  // Wine gives every item an unchecked box once the new tree has handled its queue
        SetTreeItemState(tree, checked, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);

        const Lines expected = style ? Lines{" ├■x", " ├□y", "[-]□z", "     └□z1"}
                                     : Lines{" ├x", " ├y", "[-]z", "     └z1"};
        EXPECT_EQ(CaptureAlone(tree), expected) << (style ? "with" : "without") << " check boxes";
        DestroyWindow(tree);
    }
}

// 100 pixels hold (100 - 14) / 14 = 6 lines after the first.
TEST_P(TreeViewTest, AWindowShowsTheLinesThatFitFromTheFirstVisibleOne)
{
    HWND tree = AddTree(0, 100);
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 30; ++i)
        items.push_back(AddTreeItem(tree, nullptr, ("n" + std::to_string(100 + i)).c_str()));
    SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(items[4]));

    const auto window = Capture(host_);
    ASSERT_FALSE(window.empty());
    EXPECT_EQ(KindAndShape(window[0]), "BL");
    EXPECT_EQ(LinesOf(window), (Lines{" ├n104", " ├n105", " ├n106", " ├n107", " ├n108", " ├n109", " ├n110"}));
    for (size_t i = 1; i < window.size(); ++i) {
        const ItemRect& rect = window[i].rect;
        EXPECT_TRUE(rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0)
            << "lines are placed by their order";
    }

    const Lines all = CaptureAlone(tree);
    ASSERT_EQ(all.size(), 30u) << "a single tree copies every line";
    EXPECT_EQ(all.front(), " ├n100");
    EXPECT_EQ(all.back(), " └n129");
}

// A tree of another class library reaches the extractor too; without a
// channel its record stays as the walker made it.
TEST_P(TreeViewTest, WithoutAChannelTheRecordStaysAsPrepared)
{
    WNDCLASSA common{};
    ASSERT_TRUE(GetClassInfoA(nullptr, WC_TREEVIEWA, &common));
    common.lpszClassName = "TTreeView";
    common.hInstance = GetModuleHandleA(nullptr);
    RegisterClassA(&common);
    HWND tree = AddChild("TTreeView", "", 0, 10, 10, 200, 200);
    AddTreeItem(tree, nullptr, "x");
    {
        MappingSquatter squatter(InstanceMappingName("Quillscape"));
        const auto items = Capture(tree);
        ASSERT_EQ(items.size(), 1u);
        EXPECT_STREQ(items[0].className, "TTreeView");
        EXPECT_EQ(KindAndShape(items[0]), "  ");
    }
    EXPECT_EQ(CaptureAlone(tree), (Lines{" └x"}));
}

INSTANTIATE_TEST_SUITE_P(BothPaths, TreeViewTest,
                         ::testing::Values(ChannelPath::SharedView, ChannelPath::RemoteBlock), PathName);

}  // namespace
