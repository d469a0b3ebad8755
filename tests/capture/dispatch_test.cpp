// Which extractor reads a window: the dispatch table's matching rules and
// their order, and the class names as the walker reads them.
#include "capture_test_support.h"
#include "dispatch.h"
#include "walker.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

struct RowCase {
    const char* className;
    int row;
};

TEST(DispatchTable, TakesEachClassByTheFirstMatchingRow)
{
    const RowCase cases[] = {
        {"ListBox", 1}, {"TListBox", 1}, {"ComboLBox", 1}, {"EditListBox", 1},  // row 1 before row 3
        {"ThunderRT5DriveListBox", 2}, {"ComboBox", 2}, {"TComboBox", 2}, {"ComboBoxEx32", 18},
        {"Edit", 3}, {"RichEdit20A", 3}, {"TMemo", 3}, {"ButtonEdit", 3},  // row 3 before row 4
        {"WindowsForms10.EDIT.app", 18},
        {"Button", 4}, {"TBitBtn", 4}, {"TCheckBox", 4}, {"TGroupBox", 4},
        {"Internet Explorer_Server", 5}, {"Internet Explorer_Server2", 18},
        {"msctls_statusbar32", 6}, {"TStatusBar", 6}, {"mystatusbar", 18},
        {"SysTreeView32", 7}, {"TTreeView", 7},
        {"SysListView32", 8}, {"ATL:SysListView32", 8}, {"SysHeader32", 18},
        {"Static", 9}, {"TPanel", 9}, {"MDIClient", 9}, {"static", 18},
        {"msctls_progress32", 10}, {"msctls_trackbar32", 11}, {"TSlider", 11},
        {"SysDateTimePick32", 12}, {"ToolbarWindow32", 13},
        {"Afx:400000:b:13", 14}, {"Afx:400000:b:1346:6:10011", 14}, {"Afx:400000:b:1", 18},
        {"Afx:b:1366:6:", 14}, {"Afx:3:1346:6:x", 14}, {"Afx:3:1346:6", 18},
        {"ScrollBar", 15}, {"TScrollBar", 15}, {"ScrollBarEdit", 3},  // row 3 before row 15
        {"SysTabControl32", 16}, {"TPageControl", 16},
        {"msctls_updown32", 17}, {"UpDown", 18},
        {"#32770", 18}, {"TTabSheet", 18}, {"", 18},
    };
    for (const RowCase& c : cases)
        EXPECT_EQ(DispatchRowFor(c.className), c.row) << '"' << c.className << '"';
}

class DispatchWalkTest : public CaptureTest {};

// GetClassNameA keeps 79 bytes: a name that reaches "Edit" only beyond them
// is no edit; one that has it within them is.
TEST_F(DispatchWalkTest, LongClassNamesAreCutTo79BytesBeforeMatching)
{
    const std::string editLate = std::string(79, 'x') + "Edit";
    const std::string editEarly = "Edit" + std::string(80, 'x');
    RegisterPlainClass(editLate.c_str());
    RegisterPlainClass(editEarly.c_str());
    AddChild(editLate.c_str(), "late", 0, 10, 10, 100, 30, WS_EX_CLIENTEDGE);
    AddChild(editEarly.c_str(), "early", 0, 10, 50, 100, 30, WS_EX_CLIENTEDGE);

    const auto items = Capture(host_);
    ASSERT_EQ(items.size(), 2u);
    for (const CaptureItem& item : items) {
        EXPECT_EQ(std::strlen(item.className), 79u);
        const bool isEdit = item.text == "early";
        EXPECT_EQ(item.kind, isEdit ? 'B' : ' ') << item.text << ": framed only by the edit extractor";
    }
}

// The walk itself, without the pipeline, which sets ListRightEdge to 0.
TEST_F(DispatchWalkTest, TabControlsReachPastTheLastListViewButAreNeverNarrowed)
{
    RegisterPlainClass("SysTabControl32");
    HWND tabs = AddChild("SysTabControl32", "tabs", 0, 10, 10, 100, 100);
    RECT rect;
    GetWindowRect(tabs, &rect);
    CaptureMode = 'O';
    for (const int32_t listEdge : {800, 0}) {
        BeginCapture();
        ListRightEdge = listEdge;
        WalkChildren(host_, 0);
        ASSERT_EQ(ItemCount, 2) << "the caption line and the strip";
        for (int i : {0, 1})
            EXPECT_EQ(ItemTable[i].rect.right, std::max<int32_t>(rect.right, listEdge + 10));
    }
}

}  // namespace
