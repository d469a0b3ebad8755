#include "layout_fixture.h"
#include "rules.h"
#include "sjis.h"

#include <cstring>

namespace {

const std::vector<std::string> kPieces = {"─", "│", "┌", "┐", "└", "┘"};

struct MergeRow {
    std::string old;
    std::string results;  // one result per piece of kPieces, in that order
};

// What each piece makes of the cell's old content.
const std::vector<MergeRow> kMerges = {
    {"  ", "─│┌┐└┘"}, {"　", "─│┌┐└┘"},
    {"─", "─┼┬┬┴┴"}, {"│", "┼│├┤├┤"}, {"┌", "┬├┌┬├┼"}, {"┐", "┬┤┬┐┼┤"},
    {"└", "┴├├┼└┴"}, {"┘", "┴┤┼┤┴┘"}, {"├", "┼├├┼├┼"}, {"┤", "┼┤┼┤┼┤"},
    {"┬", "┬┼┬┬┼┼"}, {"┴", "┴┼┼┼┴┴"}, {"┼", "┼┼┼┼┼┼"},
    // Text, heavy rules and half characters always win (the last cell holds
    // "a" and the first half of a rule).
    {"ab", "abababababab"}, {"━", "━━━━━━"}, {"┃", "┃┃┃┃┃┃"},
    {"a─", "a\x84" "a\x84" "a\x84" "a\x84" "a\x84" "a\x84"},
};

TEST(MergeRule, JoinsEveryPieceWithEveryCellContent)
{
    TextGrid grid;
    for (const MergeRow& row : kMerges) {
        for (size_t p = 0; p < kPieces.size(); ++p) {
            grid.PutText(5, 10, row.old.data(), row.old.size());
            MergeRule(grid, 5, 10, kPieces[p].c_str());
            EXPECT_EQ(GridText(grid, 5, 10, 2), row.results.substr(p * 2, 2))
                << "old " << row.old << " piece " << kPieces[p];
        }
    }
}

TEST(MergeRule, OrderOfTwoRulesDoesNotMatter)
{
    TextGrid grid;
    for (const std::string& a : kPieces) {
        for (const std::string& b : kPieces) {
            grid.PutText(1, 0, "  ", 2);
            MergeRule(grid, 1, 0, a.c_str());
            MergeRule(grid, 1, 0, b.c_str());
            grid.PutText(2, 0, "  ", 2);
            MergeRule(grid, 2, 0, b.c_str());
            MergeRule(grid, 2, 0, a.c_str());
            EXPECT_EQ(GridText(grid, 1, 0, 2), GridText(grid, 2, 0, 2)) << a << " and " << b;
        }
    }
}

TEST(TextGrid, NothingIsWrittenOutsideTheCells)
{
    TextGrid grid;
    MergeRule(grid, -1, 4, "─");
    MergeRule(grid, 1000, 4, "─");
    MergeRule(grid, 3, 799, "─");  // second half would be byte 800
    grid.PutPiece(3, -1, "─");
    grid.PutText(4, 795, "abcdefgh", 8);
    grid.PutText(4, -3, "xyz12", 5);
    grid.PutText(1000, 0, "x", 1);
    grid.PutText(-1, 0, "x", 1);

    EXPECT_EQ(GridText(grid, 3, 798, 2), "  ");
    EXPECT_EQ(GridText(grid, 3, 0, 2), "  ");
    EXPECT_EQ(GridText(grid, 4, 795, 5), "abcde");
    EXPECT_EQ(GridText(grid, 4, 0, 2), "12");
    for (int r = 0; r < TextGrid::kRows; ++r)
        ASSERT_EQ(grid.Row(r)[800], '\0') << "row " << r;
}

TEST(TextGrid, ReadsOutsideTheCellsSeeNothing)
{
    TextGrid grid;
    EXPECT_EQ(grid.ByteAt(-1, 0), 0);
    EXPECT_EQ(grid.ByteAt(0, 800), 0);
    EXPECT_FALSE(grid.HoldsPiece(0, 799, "  "));
    EXPECT_TRUE(grid.IsBlankSpan(0, 790, 50));
    grid.PutText(0, 799, "x", 1);
    EXPECT_FALSE(grid.IsBlankSpan(0, 790, 50));
}

TEST(TextGrid, ShiftingARowDropsCellsAtTheRightEdge)
{
    TextGrid grid;
    grid.PutText(2, 0, "ab", 2);
    grid.PutText(2, 798, "yz", 2);
    grid.ShiftRowRight(2, 2);
    EXPECT_EQ(GridText(grid, 2, 0, 4), "abab");
    EXPECT_EQ(GridText(grid, 2, 798, 2), "  ");
    EXPECT_EQ(grid.Row(2)[800], '\0');
}

TEST(ShiftJis, SearchesMatchWholeCharactersOnly)
{
    // 0x88 0x84 is one character; the 0x84 0xA0 inside it is no rule.
    const std::string straddling = "\x88\x84\xA0";
    EXPECT_EQ(FindChars(straddling, "│"), std::string::npos);
    EXPECT_EQ(FindChars("ab│▼", "│▼"), 2u);
    EXPECT_EQ(FindChars("表│▼", "│▼"), 2u);
}

}  // namespace
