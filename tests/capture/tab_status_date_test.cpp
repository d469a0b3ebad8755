// Tab controls, status bars and date-time pickers made by the test, read
// through blocks in the test's own process.
#include "common_controls_test_support.h"
#include "remote_buffer.h"

#include <string>
#include <vector>

namespace {

class TabStatusDateTest : public CommonControlsTest {
protected:
    void TearDown() override
    {
        IsNtPlatform = PlatformIsNt() ? 1 : 0;
        CommonControlsTest::TearDown();
    }

    HWND AddTabs(const std::vector<std::string>& captions, int selected)
    {
        HWND tabs = AddControl(WC_TABCONTROLA, 0, 10, 10, 300, 100);
        for (size_t i = 0; i < captions.size(); ++i) {
            TCITEMA item{TCIF_TEXT, 0, 0, const_cast<char*>(captions[i].c_str()), 0, -1, 0};
            SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        SendMessageA(tabs, TCM_SETCURSEL, selected, 0);
        return tabs;
    }

    // A null text makes an owner-drawn pane.
    HWND AddStatusBar(const std::vector<const char*>& panes)
    {
        HWND bar = AddControl(STATUSCLASSNAMEA, 0, 0, 0, 0, 0);
        std::vector<int> edges;
        for (size_t i = 1; i <= panes.size(); ++i)
            edges.push_back(i == panes.size() ? -1 : 60 * static_cast<int>(i));
        SendMessageA(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        for (size_t i = 0; i < panes.size(); ++i)
            SendMessageA(bar, SB_SETTEXTA, panes[i] ? i : i | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(panes[i]));
        return bar;
    }

    // The picker's own record, whatever children it has.
    CaptureItem CapturePicker(DWORD style, WPARAM validity)
    {
        HWND picker = AddControl(DATETIMEPICK_CLASSA, style, 10, 10, 200, 24);
        const SYSTEMTIME time{2021, 3, 5, 5, 14, 7, 9, 0};
        SendMessageA(picker, DTM_SETSYSTEMTIME, validity, reinterpret_cast<LPARAM>(&time));
        const auto items = Tagged(Capture(picker), "SysDateTimePick32");
        EXPECT_EQ(items.size(), 1u);
        return items.empty() ? CaptureItem{} : items[0];
    }
};

// The strip is blank under the selected tab and closed by "┘" and "└" at
// its sides; odd captions are padded to keep the strip in step.
TEST_F(TabStatusDateTest, TabCaptionsAndTheStripUnderThemOnBothPaths)
{
    struct TabCase {
        std::vector<std::string> captions;
        int selected;
        std::string captionLine, strip;
    };
    const TabCase cases[] = {
        {{"General", "Ext", "AB"}, 1, "General │Ext │AB~", "────┘    └─┴"},
        {{"全般", "Ext", "日本語タブ", "AB"}, 1, "全般│Ext │日本語タブ│AB~", "──┘    └─────┴─┴"},
        {{"General", "Ext", "AB"}, -1, "General │Ext │AB~", "────┴──┴─┴"},
        {{"A"}, 0, "A ~", "  └"},
        {{}, -1, "", ""},
    };
    for (const int32_t nt : {1, 0}) {
        IsNtPlatform = nt;
        for (const TabCase& c : cases) {
            HWND tabs = AddTabs(c.captions, c.selected);
            const RECT rect = ScreenRect(tabs);
            const auto items = Capture(tabs);
            EXPECT_EQ(Texts(items), (std::vector<std::string>{c.captionLine, c.strip})) << "NT " << nt;
            ASSERT_EQ(Tagged(items, "TabControl").size(), 2u);
            EXPECT_EQ(KindAndShape(items[0]), "BL");
            EXPECT_EQ(KindAndShape(items[1]), " W");
            EXPECT_EQ(items[0].rect.top, rect.top);
            EXPECT_EQ(items[1].rect.top, rect.top + 7);
            EXPECT_EQ(items[1].rect.right, rect.right);
            DestroyWindow(tabs);
        }
    }
}

// Each pane whole; the length that Wine reports counts UTF-16 units, half
// the bytes of "準備完了".  Pane texts are kept up to 1024 bytes, and never
// with half a character: byte 1023 of the last pane begins "あ".
TEST_F(TabStatusDateTest, StatusBarPanesAreReadWhole)
{
    const std::string exact(1024, 'b');
    const std::string straddling = "a" + Repeat("あ", 750);
    AddStatusBar({"準備完了", "abcdefghijklmnopqrstuvwxyz", nullptr, "NUM", exact.c_str(), straddling.c_str()});
    const auto items = Capture(host_);
    const std::string panes = "準備完了 │ abcdefghijklmnopqrstuvwxyz │  │ NUM │ ";
    EXPECT_EQ(Texts(items), std::vector<std::string>{panes + exact + " │ " + "a" + Repeat("あ", 511) + " │ "});
    ASSERT_EQ(Tagged(items, "StatusBar").size(), 1u);
    EXPECT_EQ(KindAndShape(items[0]), "  ");
    EXPECT_EQ(StatusBarSeen, 'Y');
}

// The control's own format is not consulted; a picker without a date writes
// nothing, and the zeros of the fresh block are shown.
TEST_F(TabStatusDateTest, DatePickersGiveTheFullDateAndTimeInJapanese)
{
    for (const DWORD format : {DWORD{DTS_SHORTDATEFORMAT}, DWORD{DTS_TIMEFORMAT}}) {
        const CaptureItem item = CapturePicker(format, GDT_VALID);
        EXPECT_EQ(item.text, "2021年3月5日14時7分9秒");
        EXPECT_EQ(KindAndShape(item), "BL");
    }
    EXPECT_EQ(CapturePicker(DTS_SHOWNONE, GDT_NONE).text, "0年0月0日0時0分0秒");
}

}  // namespace
