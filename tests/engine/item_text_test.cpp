#include "item_text.h"
#include "layout_fixture.h"

namespace {

class ItemTextTest : public LayoutTest {
protected:
    // Draws the text of a new record at (row, col) the way the pipeline does.
    CaptureItem& Draw(const char* className, const std::string& text, int row, int col, char shape = ' ')
    {
        CaptureItem& item = Add(className, text, {col, row, col, row}, ' ', shape);
        CurCol = col;
        CurRow = row;
        CurTextWidth = static_cast<int32_t>(text.size());
        DrawItemText(grid, ItemCount - 1);
        return item;
    }

    std::string Row(int row, int length = 40) { return GridText(grid, row, 0, length); }
    static std::string Padded(const std::string& s, size_t length = 40)
    {
        return s + std::string(length - s.size(), ' ');
    }

    TextGrid grid;
};

#define EXPECT_ROW(row, text) EXPECT_EQ(ShiftJisToUtf8(Row(row)), ShiftJisToUtf8(Padded(text)))

TEST_F(ItemTextTest, LabelIsTrimmedAndKeepsItsIndent)
{
    CaptureItem& item = Draw("Static", "  \tName:  \r ", 1, 4);
    EXPECT_ROW(1, "       Name:");
    EXPECT_EQ(item.text, "Name:");
    EXPECT_EQ(CurTextWidth, 5);
}

TEST_F(ItemTextTest, LabelMovesLeftToFreeCells)
{
    FillGrid(grid, {"", "      ┌──────"});
    CaptureItem& item = Draw("Static", "abc", 1, 8);  // no free place from 5 to 8
    EXPECT_ROW(1, "      ┌abc ────");
    EXPECT_EQ(item.text, "abc ");
    FillGrid(grid, {"", "    │   ──────"});
    Draw("Static", "abc", 1, 9);  // 9, 8 and 7 are taken; 6 is free
    EXPECT_ROW(1, "    │abc──────");
}

TEST_F(ItemTextTest, LabelWithoutFreeCellsOverwritesAndCompletesTheRule)
{
    FillGrid(grid, {"", "┌────────"});
    CaptureItem& item = Draw("Static", "abcd", 1, 4);
    EXPECT_EQ(item.text, "abcd");
    EXPECT_ROW(1, "┌─abcd─────");
    FillGrid(grid, {"", "┌────────"});
    // Ending on the first half of a rule character: one space more.
    CaptureItem& odd = Draw("Static", "abc", 1, 4);
    EXPECT_EQ(odd.text, "abc ");
    EXPECT_ROW(1, "┌─abc ─────");
    FillGrid(grid, {"", "┌────────"});
    // Starting on the second half of a rule character: its first half goes.
    Draw("Static", "abcd", 1, 5);
    EXPECT_ROW(1, "┌─ abcd ────");
}

TEST_F(ItemTextTest, CentredLabelRaisesTheRightExtentToItsLastByte)
{
    GridCols = 0;
    Draw("Static", "          right", 1, 2);
    EXPECT_EQ(GridCols, 17);
}

TEST_F(ItemTextTest, MultiLineTextStartsTwoRowsDown)
{
    CaptureItem& item = Draw("Edit", "one\r\ntwo\tx\n\nlast", 3, 4);
    EXPECT_ROW(5, "    one");
    EXPECT_ROW(6, "    two x");
    EXPECT_ROW(7, "");
    EXPECT_ROW(8, "    last");
    EXPECT_EQ(GridRows, 8);
    EXPECT_EQ(GridCols, 4 + 5);
    EXPECT_EQ(item.text, "one\r\ntwo\tx\n\nlast");
}

TEST_F(ItemTextTest, MultiLineTextBelowTheGridStillRaisesTheExtent)
{
    Draw("Edit", "a\nb\nc", 997, 2);
    EXPECT_EQ(GridRows, 1001);
    EXPECT_EQ(Row(999, 3), "  a");
}

TEST_F(ItemTextTest, ComboBoxMarkerJoinsTheBoxEdges)
{
    FillGrid(grid, {"┌───────┐", "", "└───────┘"});
    Draw("ComboBox", "ab  │▼", 1, 2);
    EXPECT_ROW(0, "┌──┬────┐");
    EXPECT_ROW(1, "  ab  │▼");
    EXPECT_ROW(2, "└──┴────┘");
}

TEST_F(ItemTextTest, NarrowComboBoxLosesTwoFillerSpaces)
{
    FillGrid(grid, {"┌────┐", "", "└────┘"});
    CaptureItem& item = Draw("ComboBox", "ab    │▼", 1, 2);
    EXPECT_EQ(item.text, "ab  │▼");
    EXPECT_ROW(0, "┌──┬─┐");
    EXPECT_ROW(1, "  ab  │▼");
    EXPECT_ROW(2, "└──┴─┘");
    EXPECT_EQ(CurTextWidth, 8);
}

TEST_F(ItemTextTest, TabStripJoinsTheLabelsToTheBox)
{
    FillGrid(grid, {
        "┌─────────┐",
        "│Tab1│Tab2~       │",
    });
    Draw("TabControl", "────────", 2, 2, 'W');
    // The box's top edge now ends with the tabs; its right edge starts at
    // the rule line under them.
    EXPECT_ROW(0, "┌──┬──┐");
    EXPECT_ROW(1, "│Tab1│Tab2│");
    EXPECT_ROW(2, "├─────────┐");
}

TEST_F(ItemTextTest, StatusBarGoesBelowEverythingDrawn)
{
    GridRows = 6;
    grid.PutText(6, 10, "x", 1);
    Draw("StatusBar", "Ready", 4, 2);
    EXPECT_EQ(CurRow, 7);
    EXPECT_ROW(7, "  Ready");
    EXPECT_EQ(GridRows, 7);
}

TEST_F(ItemTextTest, StatusBarOnBlankRowsKeepsItsRow)
{
    GridRows = 9;
    Draw("StatusBar", "A\tB", 5, 2);
    EXPECT_EQ(CurRow, 5);
    EXPECT_EQ(GridRows, 5);
    EXPECT_ROW(5, "  A B");
}

TEST_F(ItemTextTest, GroupCaptionIsPaddedToTheCharacterGrid)
{
    FillGrid(grid, {"┌──────────┐"});
    CaptureItem& item = Draw("GroupBox", "Opt\t ", 0, 2);
    EXPECT_EQ(item.text, "Opt ");
    EXPECT_ROW(0, "┌Opt ────────┐");
}

TEST_F(ItemTextTest, StyleRecordDrawsNothing)
{
    Draw("Style", "＿□Ｘ", 0, 2);
    EXPECT_ROW(0, "");
}

}  // namespace
