// The walk: which windows leave records, in which order, and where it stops.
#include "capture_test_support.h"
#include "walker.h"

namespace {

class WalkerTest : public CaptureTest {
protected:
    HWND AddHiddenChild(const char* className, const char* text, int y, HWND parent = nullptr)
    {
        HWND child = AddChild(className, text, 0, 10, y, 100, 20, 0, parent);
        ShowWindow(child, SW_HIDE);
        return child;
    }
};

TEST_F(WalkerTest, RecordsChildrenBeforeTheirWindowAndLeavesOutWhatIsHidden)
{
    AddChild("Static", "first", 0, 10, 10, 100, 20);
    HWND page = AddChild("#32770", "page", 0, 10, 40, 200, 60);
    AddChild("Static", "inner", 0, 5, 5, 100, 20, 0, page);
    HWND hiddenPage = AddHiddenChild("#32770", "hidden page", 110);
    AddChild("Static", "hidden inner", 0, 5, 5, 100, 20, 0, hiddenPage);
    AddHiddenChild("Static", "hidden static", 140);
    AddChild("Static", "last", 0, 10, 170, 100, 20);

    const auto items = Capture(host_);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"first", "inner", "page", "last"}));
    RECT pageRect;
    GetWindowRect(page, &pageRect);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[2].rect.top, pageRect.top - 14) << "a dialog is lifted by 14 pixels";
    EXPECT_EQ(items[2].rect.bottom, pageRect.bottom - 14);
}

// A hidden list box's entries go with it; a combo box's walk does not leave
// the next edit "inside a combo box".
TEST_F(WalkerTest, WhatOneWindowLeavesBehindDoesNotReachTheNext)
{
    HWND list = AddHiddenChild("ListBox", "", 10);
    for (const char* entry : {"one", "two"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    AddChild("Static", "after list", 0, 10, 40, 100, 20);
    HWND combo = AddChild("ComboBox", "", CBS_DROPDOWN, 10, 70, 150, 100);
    SetWindowTextA(combo, "typed");
    AddChild("Edit", "after combo", 0, 10, 110, 100, 20);

    const auto items = Capture(host_);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "after list");
    EXPECT_EQ(items[3].text, "after combo");
}

TEST_F(WalkerTest, AWindowPartlyOffTheScreenLeavesNoRecordButIsStillRead)
{
    SetWindowPos(host_, nullptr, -100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND edit = AddChild("Edit", "off screen", WS_DISABLED, 0, 10, 80, 20);
    AddChild("Static", "on screen", 0, 200, 10, 80, 20);

    EXPECT_EQ(Texts(Capture(host_)), (std::vector<std::string>{"on screen"}));
    EXPECT_TRUE(IsWindowEnabled(edit)) << "the edit extractor ran";
}

TEST_F(WalkerTest, ASingleComboBoxGivesItsEditThenItselfAndNoSibling)
{
    HWND combo = AddChild("ComboBox", "", CBS_DROPDOWN, 10, 10, 150, 100);
    SetWindowTextA(combo, "typed");
    AddChild("Static", "sibling", 0, 10, 150, 100, 20);

    const auto items = Capture(combo);
    EXPECT_EQ(CaptureMode, 'K');
    ASSERT_EQ(items.size(), 2u);
    EXPECT_STREQ(items[0].className, "Edit");
    EXPECT_EQ(items[0].text, "") << "inside a combo box an edit shows nothing of its own";
    EXPECT_STREQ(items[1].className, "ComboBox");
    EXPECT_EQ(items[1].text.substr(0, 6), "typed ");
}

TEST_F(WalkerTest, EndsWhenTheTableIsFull)
{
    for (int y : {10, 40, 70})
        AddChild("Static", "label", 0, 10, y, 100, 20);
    ItemTable[kItemLimit].text = "untouched";
    CaptureMode = 'O';
    BeginCapture();
    ItemCount = kItemLimit - 2;

    WalkChildren(host_, 0);
    EXPECT_EQ(ItemCount, kItemLimit);
    EXPECT_EQ(ItemTable[kItemLimit].text, "untouched") << "the third window was not visited";
}

}  // namespace
