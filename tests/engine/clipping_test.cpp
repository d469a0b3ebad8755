#include "layout_fixture.h"

#include <climits>

namespace {

class ClippingTest : public LayoutTest {
protected:
    void SetUp() override
    {
        LayoutTest::SetUp();
        DelSpcLinFlg = 0;
        DelSpcColFlg = 0;
    }

    // Every row fits the grid: at most 1000 lines of at most 800 bytes.
    static void ExpectInsideTheGrid(const ConversionResult& result)
    {
        std::vector<std::string> lines = OutputLines(result);
        EXPECT_LE(lines.size(), 1000u);
        for (size_t r = 0; r < lines.size(); ++r)
            ASSERT_LE(lines[r].size(), 800u) << "row " << r;
    }
};

TEST_F(ClippingTest, WindowLargerThanTheGridIsCutAtItsBorders)
{
    AddWindow("Big", {0, 0, 9000, 9000}, "Ｘ");
    Add("Static", "abcdefgh", {3975, 7, 4040, 14});      // from column 797
    Add("Edit", "edge", {3980, 21, 4200, 42}, 'B', 'L');  // text from column 798
    Add("Edit", "a\nb\nc", {10, 6979, 40, 6986});           // lines from row 999
    ConversionResult result = LayOutItems();
    ExpectInsideTheGrid(result);
    std::vector<std::string> lines = OutputLines(result);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines[1].substr(797), "abc");
    EXPECT_EQ(ShiftJisToUtf8(lines[2].substr(796)), ShiftJisToUtf8("┬─"));  // its corner joins the title rule
    EXPECT_EQ(ShiftJisToUtf8(lines[3].substr(796)), ShiftJisToUtf8("│ed"));
    EXPECT_EQ(ShiftJisToUtf8(lines[999].substr(0, 5)), ShiftJisToUtf8("┃  a"));
}

TEST_F(ClippingTest, FramesAboveTheFirstRowAndLeftOfTheFirstColumnAreSkipped)
{
    CaptureMode = 'K';
    Add("Edit", "top", {0, 0, 30, 21}, 'B', 'L');
    Add("Edit", "zero", {0, 0, 30, 14}, 'B', 'L');  // its top edge would be row -1
    ConversionResult result = LayOutItems();
    ExpectInsideTheGrid(result);
    EXPECT_NE(result.text.find("zero"), std::string::npos);
}

TEST_F(ClippingTest, ExtremeRectanglesStayInsideTheGrid)
{
    DelSpcLinFlg = 1;
    DelSpcColFlg = 1;
    for (char mode : {'O', 'K'}) {
        ResetCaptureState();
        CaptureMode = mode;
        Add("#32770", "window", {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
        Add("Style", "Ｘ", {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
        Add("Edit", "box", {INT_MAX, INT_MAX, INT_MIN, INT_MIN}, 'B', 'L');
        Add("SysListView32", "head", {0, 0, INT_MAX, INT_MAX}, 'B', 'H');
        Add("SysListView32", "row", {0, 0, 0, 0});
        Add("Button", "group", {-5, -5, INT_MAX, INT_MAX}, 'G');
        Add("Button", "push", {0, 0, INT_MAX, INT_MAX}, 'B', 'L');
        Add("StatusBar", "status", {0, 0, INT_MAX, INT_MAX});
        Add("ComboBox", "combo    │▼", {0, 0, INT_MAX, 20}, 'B', 'L');
        Add("TabControl", "tab~", {0, 0, INT_MAX, 20}, 'B', 'L');
        Add("TabControl", "──", {0, 7, INT_MAX, 27}, ' ', 'W');
        ListRowCount = INT_MAX;
        StatusBarSeen = 'Y';
        ConversionResult result = LayOutItems();
        ExpectInsideTheGrid(result);
    }
}

}  // namespace
