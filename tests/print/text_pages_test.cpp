// The layout of printed pages: lines as the edit view holds them, tabs,
// the cut at the right margin, and how many lines go on a page.
#include "text_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

TEST(TextPagesTest, LinesEndAtLineFeedsWithOrWithoutCarriageReturn)
{
    const std::pair<const wchar_t*, Lines> cases[] = {
        {L"", {}},
        {L"\r\n", {L""}},
        {L"a\r\nb\r\n", {L"a", L"b"}},
        {L"a\r\n\r\nb", {L"a", L"", L"b"}},
        {L"a\nb\n", {L"a", L"b"}},
        {L"a\r", {L"a"}},
        {L"a\rb\r\n", {L"a\rb"}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitLines(text), lines) << '"' << text << '"';
}

TEST(TextPagesTest, LinesAreCutAtTheColumnsNeverInsideACharacter)
{
    struct Case {
        std::wstring line;
        int columns;
        std::wstring fits;
    };
    const Case cases[] = {
        {L"abc", 2, L"ab"},
        {L"abc", 3, L"abc"},
        {L"abc", 0, L""},
        {L"■■", 3, L"■"},
        {L"■■", 4, L"■■"},
        {L"a■", 2, L"a"},
        {L"a■b", 3, L"a■"},
        {L"ｱｲｳ", 2, L"ｱｲ"},               // half-width katakana take one cell each
        {L"αβ", 3, L"α"},                 // Greek is double-byte in Shift-JIS
        {L"éü", 1, L"é"},                 // not in Shift-JIS, and narrow
        {L"한\U0001F600b", 4, L"한\U0001F600"},  // wide beyond Shift-JIS; a surrogate pair stays whole
        {L"\U0001F600", 1, L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitToColumns(c.line, c.columns), c.fits) << c.line << " in " << c.columns;
    EXPECT_EQ(ExpandTabs(L"a\tb", 8), L"a       b");
    EXPECT_EQ(ExpandTabs(L"12345678\tx", 8), L"12345678        x");
    EXPECT_EQ(ExpandTabs(L"\t\t", 4), std::wstring(8, L' '));
    EXPECT_EQ(ExpandTabs(L"■\tx", 4), L"■  x") << "tabs count cells";
}

TEST(TextPagesTest, EachPageHoldsTheLinesThatFitAndTheLastOneTheRest)
{
    std::wstring text;
    for (int i = 1; i <= 10; ++i)
        text += std::to_wstring(i) + L"\tx\r\n";
    // Three lines of 10 fit into 35; ten columns of 3 into 31.
    const TextPages pages(text, 10, 3, SIZE{31, 35});
    EXPECT_EQ(pages.LinesPerPage(), 3);
    EXPECT_EQ(pages.Columns(), 10);
    EXPECT_EQ(pages.PageCount(), 4u);
    EXPECT_EQ(pages.LinesOf(1), (Lines{L"1       x", L"2       x", L"3       x"}));
    EXPECT_EQ(pages.LinesOf(4), (Lines{L"10      x"}));
    EXPECT_EQ(pages.LinesOf(5), Lines{});
    EXPECT_EQ(pages.LinesOf(0), Lines{});

    EXPECT_EQ(TextPages(L"", 10, 3, SIZE{31, 35}).PageCount(), 1u) << "an empty document prints one blank page";
    const TextPages tiny(L"a\r\nb\r\n", 10, 3, SIZE{31, 5});
    EXPECT_EQ(tiny.LinesPerPage(), 1) << "a page lower than a line still takes one";
    EXPECT_EQ(tiny.PageCount(), 2u);
    EXPECT_EQ(TextPages(L"abc\r\n", 0, 0, SIZE{2, 2}).LinesOf(1), Lines{L"ab"}) << "a font of no size counts as one unit";
}

}  // namespace
