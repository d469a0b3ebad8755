#include "layout_fixture.h"

namespace {

class WindowFrameTest : public LayoutTest {
protected:
    void KeepBlankRowsAndColumns()
    {
        DelSpcLinFlg = 0;
        DelSpcColFlg = 0;
    }

    // A main window with a menu bar and a status bar with two panes.
    void AddMainWindow()
    {
        AddWindow("Main", {0, 0, 100, 70});
        Add("Menu", "&File  &Edit  ", {0, 0, 0, 0}, 'M');
        Add("StatusBar", "Ready │ Ln 1", {0, 56, 100, 70});
        StatusBarSeen = 'Y';
    }
};

TEST_F(WindowFrameTest, TitleRowWithCaptionButton)
{
    KeepBlankRowsAndColumns();
    AddWindow("Dlg", {0, 0, 60, 35}, "Ｘ");
    Add("Static", "Hi", {10, 21, 30, 28});
    ConversionResult result = LayOutItems();
    // Without compaction: GridRows + 1 lines of GridCols + 2 bytes.
    EXPECT_PICTURE(result, {
        "┏━━━━┓",
        "┃Dlg   Ｘ┃",
        "┠────┨",
        "┃  Hi    ┃",
        "┗━━━━┛",
    });
    EXPECT_EQ(result.outputCols, 10);
    EXPECT_EQ(result.title, "Dlg");
}

TEST_F(WindowFrameTest, CompactionKeepsTheCaptionButton)
{
    AddWindow("Dlg", {0, 0, 60, 35}, "Ｘ");
    Add("Static", "Hi", {10, 21, 30, 28});
    ConversionResult result = LayOutItems();
    EXPECT_PICTURE(result, {
        "┏━━━┓",
        "┃Dlg Ｘ┃",
        "┠───┨",
        "┃  Hi  ┃",
        "┗━━━┛",
    });
    EXPECT_EQ(result.outputCols, 8);
}

TEST_F(WindowFrameTest, ControlTouchingTheTitleRuleJoinsIt)
{
    AddWindow("T", {0, 0, 80, 49}, "＿□Ｘ");
    Add("Edit", "abc", {10, 21, 40, 42}, 'B', 'L');
    ConversionResult result = LayOutItems();
    EXPECT_PICTURE(result, {
        "┏━━━━━┓",
        "┃T   ＿□Ｘ┃",
        "┠┬──┬─┨",
        "┃│abc │  ┃",
        "┃└──┘  ┃",
        "┗━━━━━┛",
    });
}

TEST_F(WindowFrameTest, MenuAndStatusBarGetTheirRules)
{
    AddMainWindow();
    KeepBlankRowsAndColumns();
    ConversionResult full = LayOutItems();
    EXPECT_PICTURE(full, {
        "┏━━━━━━━━━┓",
        "┃Main              ┃",
        "┃                  ┃",
        "┃File  Edit        ┃",
        "┠─────────┨",
        "┃                  ┃",
        "┃                  ┃",
        "┠───┬─────┨",
        "┃Ready │ Ln 1     ┃",
        "┗━━━┷━━━━━┛",
    });
}

TEST_F(WindowFrameTest, CompactionKeepsMenuAndStatusRules)
{
    AddMainWindow();
    ConversionResult result = LayOutItems();
    EXPECT_PICTURE(result, {
        "┏━━━━━━━┓",
        "┃Main          ┃",
        "┃File  Edit    ┃",
        "┠───────┨",
        "┠───┬───┨",
        "┃Ready │ Ln 1 ┃",
        "┗━━━┷━━━┛",
    });
    EXPECT_EQ(result.outputCols, 16);
}

TEST_F(WindowFrameTest, StatusDividerOffTheGridMovesOneColumnRight)
{
    KeepBlankRowsAndColumns();
    AddWindow("W", {0, 0, 60, 49});
    Add("StatusBar", "Ok │ x", {0, 35, 60, 49});
    StatusBarSeen = 'Y';
    ConversionResult result = LayOutItems();
    std::vector<std::string> lines = OutputLines(result);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(ShiftJisToUtf8(lines[4]), ShiftJisToUtf8("┠──┬───┨"));
    EXPECT_EQ(ShiftJisToUtf8(lines[5]), ShiftJisToUtf8("┃Ok  │x     ┃"));
    EXPECT_EQ(ShiftJisToUtf8(lines[6]), ShiftJisToUtf8("┗━━┷━━━┛"));
}

TEST_F(WindowFrameTest, DrawingAtTheLeftEdgeMovesRightForTheFrame)
{
    KeepBlankRowsAndColumns();
    AddWindow("W", {0, 0, 50, 35});
    Add("Edit", "ab", {0, 21, 30, 42}, 'B', 'L');
    EXPECT_PICTURE(LayOutItems(), {
        "┏━━━━━┓",
        "┃  W       ┃",
        "┃┌──┐  ┃",
        "┃│ab  │  ┃",
        "┃└──┘  ┃",
        "┗━━━━━┛",
    });
}

TEST_F(WindowFrameTest, TitleKeepsItsPlaceBesideCaptionLetters)
{
    KeepBlankRowsAndColumns();
    AddWindow("W", {0, 0, 50, 35}, "Ｘ");
    Add("Edit", "ab", {0, 28, 30, 49}, 'B', 'L');
    std::vector<std::string> lines = OutputLines(LayOutItems());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(ShiftJisToUtf8(lines[1]).substr(0, 4), ShiftJisToUtf8("┃W"));
    EXPECT_EQ(ShiftJisToUtf8(lines[3]).substr(0, 9), ShiftJisToUtf8("┃┌─"));
}

}  // namespace
