// List views made by the test, read by the list-view extractor through the
// walk on both channel paths.
#include "item_controls.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class ListViewTest : public ItemControlTest {
protected:
    // A report view with the given header texts and `rows` rows whose cells
    // read "r<row>c<column>".
    HWND AddReport(const Strings& headers, int rows, int width = 300, int height = 120, DWORD style = 0, int y = 10)
    {
        HWND list = AddControl(WC_LISTVIEWA, LVS_REPORT | style, 10, y, width, height);
        for (size_t column = 0; column < headers.size(); ++column)
            AddListColumn(list, static_cast<int>(column), headers[column].c_str());
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);  // Wine repaints after every row otherwise
        for (int row = 0; row < rows; ++row) {
            Strings cells;
            for (size_t column = 0; column < std::max<size_t>(headers.size(), 1); ++column)
                cells.push_back("r" + std::to_string(row) + "c" + std::to_string(column));
            AddListRow(list, cells);
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        return list;
    }

    // The list view's own record and everything after it.
    static std::vector<CaptureItem> FromList(const std::vector<CaptureItem>& items)
    {
        for (size_t i = 0; i < items.size(); ++i)
            if (std::string(items[i].className) == "SysListView32")
                return {items.begin() + static_cast<std::ptrdiff_t>(i), items.end()};
        ADD_FAILURE() << "no list record";
        return {};
    }

    // Per column its header text (when there is a header) and its cells.
    static Strings ExpectedColumns(int columns, int rows, bool header = true)
    {
        Strings texts{""};
        for (int column = 0; column < columns; ++column) {
            if (header)
                texts.push_back("h" + std::to_string(column));
            for (int row = 0; row < rows; ++row)
                texts.push_back("r" + std::to_string(row) + "c" + std::to_string(column));
        }
        return texts;
    }
};

// 120 pixels hold (120 - 14) / 14 = 7 lines: the header line, a spare one
// and 5 rows.
TEST_P(ListViewTest, AWindowReadsTheRowsThatFitUnderEachHeader)
{
    HWND list = AddReport({"h0", "h1", "h2"}, 50);
    const RECT screen = ScreenRect(list);
    ASSERT_GE(screen.top, 28);

    const auto items = FromList(Capture(host_));
    ASSERT_EQ(Texts(items), ExpectedColumns(3, 5));
    EXPECT_EQ(ListRowCount, 50);
    EXPECT_EQ(KindAndShape(items[0]), "BH");
    EXPECT_EQ(items[0].rect.top, screen.top);

    const CaptureItem& header = items[1];
    EXPECT_EQ(KindAndShape(header), "BX");
    EXPECT_EQ(header.rect.left, screen.left);
    EXPECT_EQ(header.rect.top, screen.top);
    EXPECT_EQ(header.rect.right, screen.right);
    EXPECT_EQ(header.rect.bottom, screen.bottom);
    for (int row = 0; row < 5; ++row) {
        const CaptureItem& cell = items[2 + row];
        EXPECT_EQ(KindAndShape(cell), "  ");
        EXPECT_EQ(cell.rect.top, screen.top + 14 + 7 * (row + 1)) << "row " << row;
        EXPECT_STREQ(cell.className, "SysListView32");
    }
}

TEST_P(ListViewTest, ASingleListViewReadsEveryRow)
{
    HWND list = AddReport({"h0", "h1", "h2"}, 50);
    const auto all = Capture(list);
    ASSERT_FALSE(all.empty());
    EXPECT_STREQ(all[0].className, "SysHeader32") << "the visible header child comes first";
    EXPECT_EQ(Texts(FromList(all)), ExpectedColumns(3, 50));
}

// Cells of 10 and 3 bytes under 2-byte headers: the second column starts
// (10 + 3) * 5 pixels right of the first, and after it the columns reach
// (3 + 3) * 5 pixels further.
TEST_P(ListViewTest, ColumnsStartRightOfTheWidestTextBeforeThem)
{
    for (const int width : {60, 300}) {
        HWND list = AddControl(WC_LISTVIEWA, LVS_REPORT, 10, 10, width, 120);
        AddListColumn(list, 0, "h0");
        AddListColumn(list, 1, "h1");
        AddListRow(list, {"0123456789", "ab"});
        AddListRow(list, {"x", "abc"});
        const RECT screen = ScreenRect(list);

        const auto items = FromList(Capture(host_));
        ASSERT_EQ(Texts(items), (Strings{"", "h0", "0123456789", "x", "h1", "ab", "abc"}));
        EXPECT_EQ(items[1].rect.left, screen.left);
        EXPECT_EQ(items[4].rect.left, screen.left + 65);
        EXPECT_EQ(items[5].rect.left, screen.left + 65);
        const LONG columnsEnd = screen.left + 65 + 30;
        EXPECT_EQ(items[0].rect.right, std::max(columnsEnd, screen.right)) << "widened, never narrowed";
        EXPECT_EQ(ListRightEdge, items[0].rect.right);
        DestroyWindow(list);
    }
}

TEST_P(ListViewTest, HeadersWithoutColumnsAndListsWithoutHeaders)
{
    HWND noColumns = AddReport({}, 3);
    const auto framed = FromList(Capture(noColumns));
    ASSERT_EQ(Texts(framed), (Strings{""})) << "no columns, so no rows";
    EXPECT_EQ(KindAndShape(framed[0]), "BH");
    DestroyWindow(noColumns);

    HWND noHeader = AddControl(WC_LISTVIEWA, LVS_LIST, 10, 10, 300, 120);
    AddListRow(noHeader, {"one"});
    AddListRow(noHeader, {"two"});
    ASSERT_FALSE(SendMessageA(noHeader, LVM_GETHEADER, 0, 0)) << "a list-mode view has no header window";
    const auto plain = FromList(Capture(noHeader));
    ASSERT_EQ(Texts(plain), (Strings{"", "one", "two"}));
    EXPECT_EQ(KindAndShape(plain[0]), "BL");
}

// With the header hidden nothing is recorded before the list view.
TEST_P(ListViewTest, ALoneListViewGetsAReferenceRecordFirst)
{
    HWND list = AddReport({"h0"}, 2, 300, 120, LVS_NOCOLUMNHEADER);
    const RECT screen = ScreenRect(list);

    const auto items = Capture(list);
    ASSERT_EQ(Texts(items), (Strings{"", "", "h0", "r0c0", "r1c0"}));
    EXPECT_STREQ(items[0].className, "SysHeader32");
    EXPECT_EQ(KindAndShape(items[0]), "  ");
    EXPECT_EQ(items[0].rect.top, 100);
    EXPECT_EQ(items[0].rect.left, screen.left);
    EXPECT_EQ(items[0].rect.bottom, screen.bottom);
    EXPECT_STREQ(items[1].className, "SysListView32");
    EXPECT_EQ(items[1].rect.top, 100);
    EXPECT_EQ(items[1].rect.bottom, screen.bottom);
    EXPECT_EQ(items[3].rect.top, 100 + 14 + 7);
}

// A list view at the window's top is drawn below its title and menu.
TEST_P(ListViewTest, AWindowsListStartsNoHigherThanRow4)
{
    SetWindowPos(host_, nullptr, kHostLeft, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND list = AddReport({"h0"}, 20, 300, 100, 0, 0);
    const RECT screen = ScreenRect(list);
    ASSERT_LT(screen.top, 28);

    const auto items = FromList(Capture(host_));
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[0].rect.top, 28);
    EXPECT_EQ(items[1].rect.top, 28) << "the header starts on the raised top";
}

TEST_P(ListViewTest, AFullTableEndsTheListWithOneMessage)
{
    HWND list = AddReport({"h0"}, 3100);
    ListRightEdge = 0;

    const auto items = Capture(list);
    EXPECT_EQ(items.size(), 3000u);
    EXPECT_EQ(reporter_.itemLimit, 1);
    EXPECT_EQ(ListRightEdge, 0) << "a list that did not end is not published";
    EXPECT_EQ(items.back().text, "r2996c0");
}

INSTANTIATE_TEST_SUITE_P(BothPaths, ListViewTest,
                         ::testing::Values(ChannelPath::SharedView, ChannelPath::RemoteBlock), PathName);

}  // namespace
