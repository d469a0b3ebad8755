// The layout of printed pages: lines as the edit view holds them, tabs,
// the cut at the right margin, and how many lines go on a page.
#include "text_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(TextPagesTest, LinesEndAtLineFeedsWithOrWithoutCarriageReturn)
{
    const std::pair<const char*, Lines> cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r", {"a"}},
        {"a\rb\r\n", {"a\rb"}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitLines(text), lines) << '"' << text << '"';
}

TEST(TextPagesTest, LinesAreCutAtTheColumnsNeverInsideACharacter)
{
    struct Case {
        std::string line;
        int columns;
        std::string fits;
    };
    const Case cases[] = {
        {"abc", 2, "ab"},
        {"abc", 3, "abc"},
        {"abc", 0, ""},
        {"■■", 3, "■"},
        {"■■", 4, "■■"},
        {"a■", 2, "a"},
        {"a■b", 3, "a■"},
        {"a\x82", 2, "a\x82"},  // a lead byte that ends the line is one cell
        {"ｱｲｳ", 2, "ｱｲ"},       // half-width katakana take one cell each
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitToColumns(c.line, c.columns), c.fits) << c.line << " in " << c.columns;
    EXPECT_EQ(ExpandTabs("a\tb", 8), "a       b");
    EXPECT_EQ(ExpandTabs("12345678\tx", 8), "12345678        x");
    EXPECT_EQ(ExpandTabs("\t\t", 4), std::string(8, ' '));
}

TEST(TextPagesTest, EachPageHoldsTheLinesThatFitAndTheLastOneTheRest)
{
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += std::to_string(i) + "\tx\r\n";
    // Three lines of 10 fit into 35; ten columns of 3 into 31.
    const TextPages pages(text, 10, 3, SIZE{31, 35});
    EXPECT_EQ(pages.LinesPerPage(), 3);
    EXPECT_EQ(pages.Columns(), 10);
    EXPECT_EQ(pages.PageCount(), 4u);
    EXPECT_EQ(pages.LinesOf(1), (Lines{"1       x", "2       x", "3       x"}));
    EXPECT_EQ(pages.LinesOf(4), (Lines{"10      x"}));
    EXPECT_EQ(pages.LinesOf(5), Lines{});
    EXPECT_EQ(pages.LinesOf(0), Lines{});

    EXPECT_EQ(TextPages("", 10, 3, SIZE{31, 35}).PageCount(), 1u) << "an empty document prints one blank page";
    const TextPages tiny("a\r\nb\r\n", 10, 3, SIZE{31, 5});
    EXPECT_EQ(tiny.LinesPerPage(), 1) << "a page lower than a line still takes one";
    EXPECT_EQ(tiny.PageCount(), 2u);
    EXPECT_EQ(TextPages("abc\r\n", 0, 0, SIZE{2, 2}).LinesOf(1), Lines{"ab"}) << "a font of no size counts as one unit";
}

}  // namespace
