#include "layout_fixture.h"
#include "rules.h"
#include "sjis.h"

#include <cstring>
#include <functional>

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

// A write that covers half of a character, a character that lands in part,
// a shift and a cut that part one: the other half becomes a space.  Writes
// that split nothing keep every byte.
TEST(TextGrid, NoHalfCharacterStaysBehind)
{
    struct SplitCase {
        const char* name;
        std::string before;
        std::function<void(TextGrid&)> write;
        std::string after;
    };
    const int last = TextGrid::kCols - 1;
    const std::vector<SplitCase> cases = {
        {"text over a second half", "表示", [](TextGrid& g) { g.PutText(0, 1, "x", 1); }, " x示"},
        {"text over a first half", "表示", [](TextGrid& g) { g.PutText(0, 2, "x", 1); }, "表x "},
        {"piece over two halves", "a表示", [](TextGrid& g) { g.PutPiece(0, 2, "─"); }, "a ─ "},
        {"merge over two halves", "a──", [](TextGrid& g) { MergeRule(g, 0, 2, "│"); }, "a──"},
        {"merge beside a rule", "──", [](TextGrid& g) { MergeRule(g, 0, 4, "┐"); }, "──┐"},
        {"text ending in a lead byte", "────", [](TextGrid& g) { g.PutText(0, 2, "ab\x95", 3); }, "─ab  ─"},
        {"text clipped at the left", "ab", [](TextGrid& g) { g.PutText(0, -1, "表xy", 4); }, " xy"},
        {"whole text over whole characters", "表示a", [](TextGrid& g) { g.PutText(0, 2, "あ", 2); }, "表あa"},
        {"shift parting the kept columns", "a表", [](TextGrid& g) { g.ShiftRowRight(0, 2); }, "a a表"},
        {"cut through a character", "ab表", [](TextGrid& g) { g.CutRow(0, 3); }, "ab "},
    };
    for (const SplitCase& c : cases) {
        TextGrid grid;
        FillGrid(grid, {c.before});
        c.write(grid);
        EXPECT_EQ(ShiftJisToUtf8(GridText(grid, 0, 0, static_cast<int>(c.after.size()))), ShiftJisToUtf8(c.after))
            << c.name;
    }

    TextGrid grid;
    grid.PutText(1, last - 2, "xy表", 4);  // the lead byte lands in the last column
    EXPECT_EQ(GridText(grid, 1, last - 2, 3), "xy ");
    grid.PutText(2, last - 2, "a表", 3);
    grid.ShiftRowRight(2, 1);  // pushes the trail byte out
    EXPECT_EQ(GridText(grid, 2, last - 1, 2), "a ");
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
