// Progress bars, trackbars, scroll bars and up-down controls made by the
// test, each captured alone; the pictures are worked out by hand from the
// controls' sizes, ranges and positions.
#include "common_controls_test_support.h"
#include "gauges.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

class GaugesTest : public CommonControlsTest {
protected:
    void TearDown() override
    {
        SetItemLimitNotifier(nullptr);
        CommonControlsTest::TearDown();
    }

    HWND AddProgressBar(DWORD style, int height, int low, int high, int pos)
    {
        HWND bar = AddControl(PROGRESS_CLASSA, style, 10, 10, style ? 20 : 200, height);
        SendMessageA(bar, PBM_SETRANGE32, low, high);
        SendMessageA(bar, PBM_SETPOS, pos, 0);
        return bar;
    }

    HWND AddScrollBar(DWORD style, int width, int height, int min, int max, int pos)
    {
        HWND bar = AddChild("ScrollBar", "", style, 10, 10, width, height);
        SetScrollRange(bar, SB_CTL, min, max, FALSE);
        SetScrollPos(bar, SB_CTL, pos, FALSE);
        return bar;
    }

    // Each record of a gauge lies one row below the one before.
    static void ExpectRowsFrom(const std::vector<CaptureItem>& items, const char* tag, LONG top)
    {
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_STREQ(items[i].className, tag);
            EXPECT_EQ(items[i].rect.top, top + 7 * static_cast<LONG>(i)) << "row " << i;
        }
    }

    // Prepares the record at `index` for the window as the walk does.
    static void PrepareAt(int index, HWND window)
    {
        ItemCount = index;
        const RECT rect = ScreenRect(window);
        ItemTable[index].rect = {rect.left, rect.top, rect.right, rect.bottom};
        GetClassNameA(window, ItemTable[index].className, kClassNameSize);
        ItemTable[index].text.clear();
    }

    static int limitMessages;
};

int GaugesTest::limitMessages;

// 200 pixels are 20 marks, 84 pixels (84 - 14) / 7 = 10 rows inside the
// frame.  45 % is a little less than 0.45 in single precision: 8 marks.
TEST_F(GaugesTest, ProgressBarsFillFromTheLeftOrFromTheTop)
{
    struct FillCase {
        DWORD style;
        int low, high, pos, marks;
    };
    for (const FillCase& c : {FillCase{0, 0, 100, 45, 8}, FillCase{0, 0, 100, 100, 20}, FillCase{0, 50, 150, 100, 10},
                              FillCase{PBS_VERTICAL, 0, 100, 50, 5}, FillCase{PBS_VERTICAL, 0, 100, 0, 0}}) {
        HWND bar = AddProgressBar(c.style, c.style ? 84 : 20, c.low, c.high, c.pos);
        const auto items = Capture(bar);
        ASSERT_FALSE(items.empty());
        EXPECT_EQ(KindAndShape(items[0]), c.style ? "BT" : "BY");
        if (c.style) {
            EXPECT_EQ(Texts(items), std::vector<std::string>(std::max(c.marks, 1), c.marks ? "■" : ""));
            ExpectRowsFrom(items, "ProgressBar", ScreenRect(bar).top);
        } else {
            EXPECT_EQ(Texts(items), std::vector<std::string>{Repeat("■", c.marks)}) << "position " << c.pos;
        }
        DestroyWindow(bar);
    }
}

// The scale, then the thumb line.  15 pixels leave room for one mark, so the
// ticks are cut to one: laid out as no ticks instead of dividing by zero.
TEST_F(GaugesTest, SlidersShowTheirTicksAndThumb)
{
    struct SliderCase {
        DWORD style;
        int width, max, pos;
        std::string scale, thumb;
    };
    const SliderCase cases[] = {
        {TBS_AUTOTICKS, 200, 10, 5, "┝" + Repeat("┯", 9) + "┥", "│" + Repeat("  ", 4) + "△" + Repeat("  ", 4) + "│"},
        {TBS_NOTICKS, 200, 100, 100, "┝" + Repeat("━", 18) + "┥", "│" + Repeat("  ", 18) + "△"},
        {TBS_NOTICKS, 200, 100, 0, "┝" + Repeat("━", 18) + "┥", "△" + Repeat("  ", 18) + "│"},
        {TBS_AUTOTICKS, 15, 10, 5, "┝┥", "△│"},
    };
    for (const SliderCase& c : cases) {
        HWND bar = AddControl(TRACKBAR_CLASSA, c.style, 10, 10, c.width, 30);
        SendMessageA(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, c.max));
        SendMessageA(bar, TBM_SETPOS, TRUE, c.pos);
        const auto items = Capture(bar);
        EXPECT_EQ(Texts(items), (std::vector<std::string>{c.scale, c.thumb})) << "width " << c.width;
        ExpectRowsFrom(items, "Slider", ScreenRect(bar).top);
        DestroyWindow(bar);
    }
}

// 70 pixels are 10 marks with four ticks every third mark; each row holds
// the thumb line's mark, then the scale's.
TEST_F(GaugesTest, VerticalSlidersAreTurnedOneRecordPerMark)
{
    HWND bar = AddControl(TRACKBAR_CLASSA, TBS_VERT, 10, 10, 30, 70);
    SendMessageA(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 9));
    SendMessageA(bar, TBM_SETTIC, 0, 3);
    SendMessageA(bar, TBM_SETTIC, 0, 6);
    SendMessageA(bar, TBM_SETPOS, TRUE, 3);
    const auto items = Capture(bar);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"―┰", "  ┃", "  ┃", "⇒┨", "  ┃", "  ┃", "  ┨", "  ┃",
                                                      "  ┃", "―┸"}));
    ExpectRowsFrom(items, "Slider", ScreenRect(bar).top);

    HWND low = AddControl(TRACKBAR_CLASSA, TBS_VERT | TBS_AUTOTICKS, 60, 10, 30, 10);
    EXPECT_EQ(Texts(Capture(low)), (std::vector<std::string>{"⇒┰", "―┸"})) << "one mark high: one tick";
}

// The position is not taken from the minimum: range 100 to 200 at 150 is
// 1.5 of the way, and the thumb stops at the end.  A vertical bar starts 14
// pixels higher and ends 7 higher: 63 pixels give 10 rows.
TEST_F(GaugesTest, ScrollBarsDrawTheirThumbOnTwoMarks)
{
    HWND atStart = AddScrollBar(SBS_HORZ, 200, 17, 0, 100, 0);
    auto items = Capture(atStart);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"┌┰┰" + Repeat("―", 15) + "┬┐", "└┸┸" + Repeat("―", 15) + "┴┘"}));
    ExpectRowsFrom(items, "ScrollBar", ScreenRect(atStart).top);

    HWND shifted = AddScrollBar(SBS_HORZ, 200, 17, 100, 200, 150);
    EXPECT_EQ(Texts(Capture(shifted)),
              (std::vector<std::string>{"┌┬" + Repeat("―", 16) + "┰┐", "└┴" + Repeat("―", 16) + "┸┘"}));

    HWND vertical = AddScrollBar(SBS_VERT, 17, 63, 0, 10, 10);
    items = Capture(vertical);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"┌┐", "├┤", "││", "││", "││", "││", "││", "┝┥", "┝┥", "└┘"}));
    ExpectRowsFrom(items, "ScrollBar", ScreenRect(vertical).top - 14);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0].rect.bottom, ScreenRect(vertical).bottom - 7);
}

// A column stops with the message when the table fills; the second line of
// a scroll bar and the spin's down arrow "Ｖ" are left out without one.
TEST_F(GaugesTest, AtTheTableLimitColumnsStopWithTheMessageAndSecondLinesDoNot)
{
    limitMessages = 0;
    SetItemLimitNotifier([] { ++limitMessages; });
    HWND progress = AddProgressBar(PBS_VERTICAL, 84, 0, 100, 100);
    PrepareAt(kItemLimit - 5, progress);
    CaptureProgressBar(progress);
    EXPECT_EQ(ItemCount, kItemLimit);
    EXPECT_EQ(limitMessages, 1);
    EXPECT_EQ(ItemTable[kItemLimit - 1].text, "■");

    HWND scroll = AddScrollBar(SBS_HORZ, 200, 17, 0, 100, 0);
    HWND spin = AddControl(UPDOWN_CLASSA, 0, 10, 40, 16, 30);
    for (const auto& [window, extract] : {std::pair{scroll, CaptureScrollBar}, std::pair{spin, CaptureSpin}}) {
        PrepareAt(kItemLimit - 1, window);
        extract(window);
        EXPECT_EQ(ItemCount, kItemLimit - 1);
        EXPECT_FALSE(ItemTable[kItemLimit - 1].text.empty());
    }
    EXPECT_EQ(limitMessages, 1);
}

}  // namespace
