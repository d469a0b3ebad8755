// Toolbars and MDI child frames made by the test.
#include "common_controls_test_support.h"

#include <string>
#include <vector>

namespace {

class OtherControlsTest : public CommonControlsTest {
protected:
    void TearDown() override
    {
        DelSpcLinFlg = 1;
        DelSpcColFlg = 1;
        CommonControlsTest::TearDown();
    }

    HWND AddToolbar(int buttons)
    {
        HWND bar = AddControl(TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_NOPARENTALIGN, 10, 10, 300, 30);
        SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        for (int i = 0; i < buttons; ++i) {
            TBBUTTON button{I_IMAGENONE, 100 + i, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
            SendMessageA(bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
        }
        return bar;
    }
};

// The button records are empty and hold the toolbar's rectangle: neither
// they nor rectangles an earlier, larger conversion left in the table may
// change the text, blank rows kept.
TEST_F(OtherControlsTest, AToolbarIsAnEmptyFrameAndItsButtonsLeaveNoTrace)
{
    DelSpcLinFlg = 0;
    DelSpcColFlg = 0;
    HWND empty = AddToolbar(0);
    Capture(host_);
    const std::string withoutButtons = result_.text;
    DestroyWindow(empty);

    for (CaptureItem& item : ItemTable)
        item.rect = {0, 5000, 10, 5010};
    HWND bar = AddToolbar(12);
    const auto items = Capture(host_);
    EXPECT_EQ(result_.text, withoutButtons);
    ASSERT_EQ(items.size(), 13u);
    EXPECT_EQ(KindAndShape(items[0]), "BL");
    EXPECT_EQ(Texts(items), std::vector<std::string>(13, ""));
    EXPECT_EQ(Tagged(items, "ToolBar").size(), 13u);
    EXPECT_EQ(items[12].rect.top, ScreenRect(bar).top);
}

// The marks end two columns inside the width and start on an even column;
// the record ends one column after its text.
TEST_F(OtherControlsTest, MdiFramesBecomeACaptionBarWithTheirButtonMarks)
{
    struct FrameCase {
        const char* title;
        DWORD style;
        int width;
        std::string text;
    };
    const FrameCase cases[] = {
        {"Document01", WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 400, "Document01" + std::string(62, ' ') + "＿□Ｘ"},
        {"Document01", WS_CAPTION | 0x2000, 405, "Document01" + std::string(66, ' ') + "？Ｘ"},
        {"文書です", WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CAPTION, 50, "文書です＿□Ｘ"},
    };
    RegisterPlainClass("Afx:400000:b:1346:6:10011");
    for (const FrameCase& c : cases) {
        HWND frame = AddChild("Afx:400000:b:1346:6:10011", c.title, c.style, 0, 10, c.width, 200);
        const auto items = Capture(frame);
        EXPECT_EQ(Texts(items), std::vector<std::string>{c.text}) << c.width;
        ASSERT_EQ(items.size(), 1u);
        EXPECT_STREQ(items[0].className, "MDI");
        EXPECT_EQ(KindAndShape(items[0]), "BH");
        EXPECT_EQ(items[0].rect.left, ScreenRect(frame).left);
        EXPECT_EQ(items[0].rect.right - items[0].rect.left, 5 * static_cast<int>(c.text.size() + 1));
        DestroyWindow(frame);
    }
}

}  // namespace
