// Breaking long texts into lines: the line ends, word wrapping and the
// continuation records.
#include "capture_state.h"
#include "code_page_932.h"
#include "wrap_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct WrapCase {
    int width;
    std::string text;
    std::vector<std::string> lines;
};

class WrapTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetCaptureState();
        SetClassName(ItemTable[0], "Edit");
        ItemTable[0].kind = 'B';
        ItemTable[0].shape = 'L';
        ItemTable[0].rect = {10, 100, 310, 121};
    }

    // Wraps the text in record `first` and returns the lines written.
    std::vector<std::string> Wrap(int first, int width, const std::string& text)
    {
        ItemCount = first;
        ItemTable[first].text = text;
        WrapItemText(width, static_cast<int>(text.size()));
        std::vector<std::string> lines;
        for (int i = first; i <= ItemCount && i < kItemLimit; ++i)
            lines.push_back(ItemTable[i].text);
        return lines;
    }
};

TEST_F(WrapTextTest, BreaksAtLineEndsWidthsAndWords)
{
    const WrapCase cases[] = {
        {3, "ab\r\n\r\ncd", {"ab", "", "cd"}},
        {3, "ab\n\rcd\ref", {"ab", "cd", "ef"}},
        {9, "hello world again", {"hello", "world", "again"}},
        {9, "abcd-efghijkl", {"abcd", "-efghijkl"}},
        {8, "hello world again", {"hello wo", "rld agai", "n"}},          // too narrow for word wrap
        {9, "abcdefghijklmnopq", {"abcdefghi", "jklmnopq"}},             // no break within 7 bytes
        {2, "a\x82\xa0\x82\xa2", {"a\x82\xa0", "\x82\xa2"}},             // a cut character stays whole
        {0, std::string(120, 'x'), {std::string(50, 'x'), std::string(50, 'x'), std::string(20, 'x')}},
        {250, std::string(300, 'x'), {std::string(250, 'x'), std::string(50, 'x')}},
        {20, "fits\r\nthe width", {"fits\r\nthe width"}},
    };
    for (const WrapCase& c : cases)
        EXPECT_EQ(Wrap(0, c.width, c.text), c.lines) << "width " << c.width << ": " << c.text;
}

TEST_F(WrapTextTest, FurtherLinesAreStaticRecordsSevenPixelsApart)
{
    Wrap(0, 3, "abcdefghi");
    ASSERT_EQ(ItemCount, 2);
    EXPECT_STREQ(ItemTable[0].className, "Edit");
    EXPECT_EQ(ItemTable[0].kind, 'B');
    for (int i = 1; i <= 2; ++i) {
        const CaptureItem& line = ItemTable[i];
        EXPECT_STREQ(line.className, "Static");
        EXPECT_EQ(line.kind, ' ');
        EXPECT_EQ(line.shape, ' ');
        EXPECT_EQ(line.rect.top, 100 + 7 * i);
        EXPECT_EQ(line.rect.left, 10);
        EXPECT_EQ(line.rect.right, 310);
        EXPECT_EQ(line.rect.bottom, 121);
    }
}

int limitReports;

TEST_F(WrapTextTest, StopsWithOneReportWhenTheTableIsFull)
{
    limitReports = 0;
    SetItemLimitNotifier([] { ++limitReports; });
    ItemTable[kItemLimit - 2].rect = {0, 0, 15, 7};
    const auto lines = Wrap(kItemLimit - 2, 3, "abcdefghijkl");
    SetItemLimitNotifier(nullptr);

    EXPECT_EQ(limitReports, 1);
    EXPECT_EQ(ItemCount, kItemLimit);
    EXPECT_EQ(lines, (std::vector<std::string>{"abc", "def"}));
}

}  // namespace

// Characters outside code page 932 are measured in the cells they take and
// never cut: one that the width cuts stays whole, as a double-byte one does.
TEST_F(WrapTextTest, MeasuresForeignCharactersInCells)
{
    BeginCapture();
    std::vector<std::wstring> lines;
    for (const std::string& line : Wrap(0, 4, ToEngineText(L"e\u0301한국\u0645\u064E\U0001F44D\U0001F3FD")))
        lines.push_back(FromEngineText(line));
    const std::vector<std::wstring> expected = {L"e\u0301한국", L"\u0645\u064E\U0001F44D\U0001F3FD"};
    EXPECT_EQ(lines, expected);
}
