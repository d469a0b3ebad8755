#include "compaction.h"
#include "layout_fixture.h"

namespace {

struct MnemonicCase {
    std::string text;
    std::string prepared;
};

TEST(PrepareText, RemovesMnemonicMarkers)
{
    ResetCaptureState();
    const std::vector<MnemonicCase> cases = {
        {"&File", "File"},
        {"Save && Exit", "Save & Exit"},
        {"A&&&B", "A&B"},
        {"End&", "End"},
        {"&", ""},
        {"ファイル(&F)", "ファイル(F)"},
        {"Ｐ＆Ｇ", "Ｐ&Ｇ"},  // a full-width ampersand becomes a half-width one
        // 0x88 0x81 is one character and 0x95 0x40 another: the bytes 0x81 0x95
        // across them are no full-width ampersand.
        {"\x88\x81\x95\x40", "\x88\x81\x95\x40"},
    };
    for (const MnemonicCase& c : cases) {
        std::string text = c.text;
        PrepareText(text);
        EXPECT_EQ(ShiftJisToUtf8(text), ShiftJisToUtf8(c.prepared)) << "from " << ShiftJisToUtf8(c.text);
    }
}

TEST(PrepareText, KeepsEveryAmpersandWhenTheOptionIsOff)
{
    ResetCaptureState();
    CutUnderLine = 0;
    std::string text = "&File && ＆";
    PrepareText(text);
    EXPECT_EQ(text, "&File && ＆");
}

class SingleControlTest : public LayoutTest {
protected:
    void SetUp() override
    {
        LayoutTest::SetUp();
        CaptureMode = 'K';
    }
};

TEST_F(SingleControlTest, BlankRowsAndColumnsGoEvenAtTheLeftEdge)
{
    DelSpcLinFlg = 0;  // rows above a single control always go
    Add("Static", "Hi", {50, 70, 80, 84});
    ConversionResult result = LayOutItems();
    EXPECT_PICTURE(result, {"Hi  "});
    EXPECT_EQ(result.outputCols, 2);
    EXPECT_EQ(result.title, "Hi");
}

TEST_F(SingleControlTest, BoxKeepsItsCornersAndLosesBlankColumns)
{
    Add("Edit", "hello", {100, 140, 160, 161}, 'B', 'L');
    ConversionResult result = LayOutItems();
    EXPECT_PICTURE(result, {
        "┌───┐  ",
        "│hello │  ",
        "└───┘  ",
    });
    EXPECT_EQ(result.outputCols, 10);
}

TEST_F(SingleControlTest, NoRecordGivesNoText)
{
    ConversionResult result = LayOutItems();
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.title, "");
    EXPECT_EQ(result.outputRows, 0);
    EXPECT_EQ(result.outputCols, 0);
}

TEST_F(LayoutTest, RowCarryingOnlyVerticalRulesGoesButRulesAcrossItStay)
{
    TextGrid grid;
    CaptureMode = 'O';
    GridRows = 5;
    FillGrid(grid, {"┏━┓", "┃  ┃", "┠─┨", "┃　┃", " │ ┃  \t", "┗━┛"});
    RemoveBlankRows(grid);
    std::vector<bool> removed;
    for (int r = 0; r <= 5; ++r)
        removed.push_back(grid.Row(r)[0] == '\0');
    // A full-width space is content; the bottom edge is never examined.
    EXPECT_EQ(removed, (std::vector<bool>{false, true, false, false, true, false}));
}

TEST_F(LayoutTest, ColumnPairIsInUseWhenAnythingButHorizontalRulesCrossesIt)
{
    TextGrid grid;
    CaptureMode = 'O';
    GridRows = 4;
    GridCols = 12;
    FillGrid(grid, {
        "┏━━━━━┓",
        "┃─x   │  ┃",
        "┃━┌  　  ┃",
        "┃          ┃",
        "┗━━━━━┛",
    });
    for (int r = 0; r <= 4; ++r)
        grid.Row(r)[14] = '\0';
    RemoveBlankColumns(grid);
    EXPECT_EQ(GridCols, 6);
    EXPECT_EQ(ShiftJisToUtf8(grid.Row(0)), ShiftJisToUtf8("┏━━┓"));
    EXPECT_EQ(ShiftJisToUtf8(grid.Row(1)), ShiftJisToUtf8("┃x │┃"));
    EXPECT_EQ(ShiftJisToUtf8(grid.Row(2)), ShiftJisToUtf8("┃┌　┃"));
}

}  // namespace
