#include "layout_fixture.h"
#include "placement.h"

namespace {

class FrameTest : public LayoutTest {
protected:
    // Draws record i's frame with the record's own rect already in cells.
    void DrawFrame(int i)
    {
        CurCol = ItemTable[i].rect.left;
        CurRow = ItemTable[i].rect.top;
        CurTextWidth = static_cast<int32_t>(ItemTable[i].text.size());
        DrawItemFrame(grid, i);
    }

    void ExpectRows(int line, int firstRow, const std::vector<std::string>& rows)
    {
        for (size_t r = 0; r < rows.size(); ++r) {
            std::string actual = GridText(grid, firstRow + static_cast<int>(r), 0, 80);
            std::string expected = rows[r] + std::string(80 - rows[r].size(), ' ');
            EXPECT_EQ(actual, expected) << "row " << firstRow + r << " (expected at line " << line << ")\n  actual:   ["
                                        << ShiftJisToUtf8(actual) << "]\n  expected: [" << ShiftJisToUtf8(expected)
                                        << "]";
        }
    }

    TextGrid grid;
};

TEST_F(FrameTest, NormalisesPixelsToCellsFromRecordZero)
{
    CaptureMode = 'O';
    Add("#32770", "", {100, 100, 400, 300});
    Add("Style", "", {100, 100, 400, 300});
    Add("Menu", "", {0, 0, 0, 0}, 'M');
    Add("Edit", "", {120, 150, 220, 171}, 'B', 'L');
    Add("Static", "", {90, 80, 104, 106});  // above and left of the origin
    Add("Static", "", {-900, 0, 96, 94});   // truncates toward zero, then clamps
    NormaliseRects();
    const ItemRect& edit = ItemTable[3].rect;
    EXPECT_EQ(edit.left, 6);
    EXPECT_EQ(edit.top, 7);
    EXPECT_EQ(edit.right, 26);
    EXPECT_EQ(edit.bottom, 10);
    EXPECT_EQ(ItemTable[0].rect.top, 1);
    EXPECT_EQ(ItemTable[2].rect.left, 2);
    EXPECT_EQ(ItemTable[2].rect.top, 3);
    EXPECT_EQ(ItemTable[4].rect.left, 2);
    EXPECT_EQ(ItemTable[4].rect.top, 0);
    EXPECT_EQ(ItemTable[4].rect.right, 2);
    EXPECT_EQ(ItemTable[4].rect.bottom, 0);
    EXPECT_EQ(ItemTable[5].rect.right, 2);
}

TEST_F(FrameTest, SingleControlRowsCountFromTheTopOfTheScreen)
{
    CaptureMode = 'K';
    Add("Edit", "", {120, 150, 220, 171}, 'B', 'L');
    NormaliseRects();
    EXPECT_EQ(ItemTable[0].rect.left, 2);
    EXPECT_EQ(ItemTable[0].rect.top, 1);  // record 0's top is always row 1
    EXPECT_EQ(ItemTable[0].rect.bottom, 24);
}

TEST_F(FrameTest, RectangleEnclosesTheRecordsCells)
{
    Add("Edit", "", {6, 7, 26, 10}, 'B', 'L');
    DrawFrame(0);
    ExpectRows(__LINE__, 6, {
        "    ┌─────────┐",
        "    │                  │",
        "    └─────────┘",
    });
    EXPECT_EQ(GridCols, 24);
    EXPECT_EQ(GridRows, 8);
}

TEST_F(FrameTest, BoxesSideBySideShareOneEdge)
{
    Add("Edit", "", {2, 1, 8, 4}, 'B', 'L');
    Add("Edit", "", {8, 1, 14, 4}, 'B', 'L');
    Add("Edit", "", {4, 2, 10, 6}, 'B', 'L');  // across both
    DrawFrame(0);
    DrawFrame(1);
    DrawFrame(2);
    ExpectRows(__LINE__, 0, {
        "┌──┬──┐",
        "│┌─┼┐  │",
        "└┼─┴┼─┘",
        "  │    │",
        "  └──┘",
    });
}

TEST_F(FrameTest, FramesNeverOverwriteText)
{
    grid.PutText(1, 0, "abcdef", 6);
    Add("Edit", "", {2, 2, 8, 4}, 'B', 'L');
    DrawFrame(0);
    ExpectRows(__LINE__, 1, {"abcdef┐"});
}

TEST_F(FrameTest, BoxOnTheSecondHalfOfARuleMovesOneColumnLeft)
{
    grid.PutText(4, 0, "x─", 3);  // rule character at columns 1-2
    Add("Edit", "ab", {4, 5, 10, 8}, 'B', 'L');
    DrawFrame(0);
    EXPECT_EQ(CurCol, 3);
    // The corner now lands on the rule character itself and joins it.
    ExpectRows(__LINE__, 4, {"x┬───┐", " │      │", " └───┘"});
}

TEST_F(FrameTest, SmallBoxIsAsWideAsTheText)
{
    Add("Edit", "abc", {4, 1, 40, 2}, 'B', 'S');
    DrawFrame(0);
    ExpectRows(__LINE__, 0, {"  ┌──┐", "  │    │", "  └──┘"});
    EXPECT_EQ(GridCols, 0);  // a small box raises no extent
}

TEST_F(FrameTest, GaugesAndComboBoxesGetThinBoxes)
{
    Add("ProgressBar", "", {2, 1, 12, 6}, 'B', 'Y');
    Add("ProgressBar", "", {16, 1, 30, 5}, 'B', 'T');
    Add("ComboBox", "", {20, 1, 30, 9}, 'B', 'L');
    DrawFrame(0);
    DrawFrame(1);
    DrawFrame(2);
    ExpectRows(__LINE__, 0, {
        "┌────┐  ┌─┬────┐",
        "│        │  │  │        │",
        "└────┘  │  ├────┘",
        "              └─┘",
    });
}

TEST_F(FrameTest, HeaderBoxHasARuleUnderItsFirstRow)
{
    Add("SysListView32", "", {4, 1, 14, 6}, 'B', 'H');
    DrawFrame(0);
    ExpectRows(__LINE__, 0, {
        "  ┌────┐",
        "  │        │",
        "  ├────┤",
        "  │        │",
        "  └────┘",
    });
}

TEST_F(FrameTest, SingleControlHeaderBoxFollowsTheRowCount)
{
    CaptureMode = 'K';
    ListRowCount = 2;
    Add("SysListView32", "", {4, 1, 8, 3}, 'B', 'H');
    DrawFrame(0);
    EXPECT_EQ(GridRows, 7);  // two rows + 4 below the top row
    ListRowCount = 5000;
    DrawFrame(0);
    EXPECT_EQ(GridRows, 1000);
}

TEST_F(FrameTest, GroupFrameWidensPastContentUnderItsRightEdge)
{
    grid.PutText(2, 10, "xxxx", 4);  // reaches two pairs past the edge
    Add("Button", "", {4, 1, 14, 5}, 'G');
    DrawFrame(0);
    ExpectRows(__LINE__, 1, {
        "  ┌─────┐",
        "  │      xxxx│",
        "  │          │",
        "  └─────┘",
    });
    EXPECT_EQ(GridCols, 14);
}

TEST_F(FrameTest, GroupFrameWithoutContentKeepsItsEdge)
{
    Add("Button", "", {4, 1, 14, 3}, 'G');
    DrawFrame(0);
    ExpectRows(__LINE__, 1, {"  ┌───┐", "  └───┘"});
}

TEST_F(FrameTest, ListBlocksStackTheirRowsUnderTheOpener)
{
    Add("SysListView32", "", {10, 4, 40, 20}, 'B', 'X');
    Add("SysListView32", "", {0, 0, 0, 0});
    Add("SysListView32", "", {0, 0, 0, 0});
    Add("ListBox", "", {6, 30, 40, 40}, 'B', 'L');
    Add("ListBox", "", {0, 0, 0, 0});
    Add("ListBox", "", {0, 0, 0, 0});
    Add("SysTreeView32", "", {8, 50, 40, 60}, 'I');
    Add("SysTreeView32", "", {0, 0, 0, 0});
    Add("Button", "", {2, 9, 20, 14}, 'B', 'L');
    std::vector<std::pair<int, int>> placed;
    for (int i = 0; i < ItemCount; ++i) {
        CurCol = ItemTable[i].rect.left;
        CurRow = ItemTable[i].rect.top;
        PlaceInBlock(i);
        placed.emplace_back(CurCol, CurRow);
    }
    std::vector<std::pair<int, int>> expected = {
        {10, 4}, {10, 6}, {10, 7},   // cells from two rows below the header
        {6, 30}, {6, 30}, {6, 31},   // list rows from the box's own row
        {8, 50}, {8, 50},            // the first tree line on the opener's row
        {2, 10},                     // button label on its middle row
    };
    EXPECT_EQ(placed, expected);
}

}  // namespace
