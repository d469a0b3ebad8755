// Characters outside code page 932: where a grapheme ends, how wide it is,
// how it travels through the engine's text and how it is laid out.
#include "foreign_characters.h"
#include "graphemes.h"
#include "layout_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::string Utf8Of(const std::u32string& text)
{
    std::string utf8;
    for (char32_t c : text) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
            continue;
        }
        const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        static const unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
        utf8 += static_cast<char>(kLeadMarks[tail] | c >> (6 * tail));
        for (int i = tail - 1; i >= 0; --i)
            utf8 += static_cast<char>(0x80 | (c >> (6 * i) & 0x3F));
    }
    return utf8;
}

struct GraphemeCase {
    std::u32string text;
    std::vector<size_t> lengths;  // code points of each grapheme
    std::vector<int> cells;       // cells of each grapheme
};

TEST(Graphemes, StayWholeAndTakeTheWidthOfTheirBase)
{
    const GraphemeCase cases[] = {
        {U"ab", {1, 1}, {1, 1}},
        {U"é", {1}, {2}},                                  // ambiguous: wide, as code page 932 draws it
        {U"e\u0301x", {2, 1}, {1, 1}},                     // combining acute stays with its base
        {U"ά\u0301", {2}, {1}},                           // Greek with tonos, narrow
        {U"αβ", {1, 1}, {2, 2}},                           // Greek letters are ambiguous
        {U"한국", {1, 1}, {2, 2}},
        {U"\u1112\u1161\u11AB", {3}, {2}},                 // Hangul jamo make one syllable
        {U"𠀋字", {1, 1}, {2, 2}},                         // beyond the basic plane
        {U"👍🏽!", {2, 1}, {2, 1}},                         // skin-tone modifier
        {U"👨\u200D👩\u200D👧", {5}, {2}},                 // a family joined by ZWJ
        {U"❤\uFE0F", {2}, {1}},                            // variation selector; the heart is narrow
        {U"🇯🇵🇫", {2, 1}, {1, 1}},                         // flags pair regional indicators
        {U"\u0645\u064E\u0631", {2, 1}, {1, 1}},           // Arabic letter with its vowel sign
        {U"\r\n\n", {2, 1}, {1, 1}},
        {U"a\u200D👍", {2, 1}, {1, 2}},                    // ZWJ after a letter joins nothing to it
        {U"\uFF8A\uFF9F", {2}, {1}},                       // half-width kana with its sound mark
    };
    for (const GraphemeCase& c : cases) {
        SCOPED_TRACE(Utf8Of(c.text));
        std::vector<size_t> lengths;
        std::vector<int> cells;
        for (size_t start = 0; start < c.text.size();) {
            const size_t end = GraphemeEnd(c.text, start);
            lengths.push_back(end - start);
            cells.push_back(GraphemeCells(c.text.substr(start, end - start)));
            start = end;
        }
        EXPECT_EQ(lengths, c.lengths);
        EXPECT_EQ(cells, c.cells);
    }
}

// Stands in for code page 932: ASCII, half-width katakana and あ.
bool EncodeSmallCodePage(char32_t c, std::string* bytes)
{
    if (c < 0x80)
        *bytes += static_cast<char>(c);
    else if (c >= 0xFF61 && c <= 0xFF9F)
        *bytes += static_cast<char>(c - 0xFF61 + 0xA1);
    else if (c == U'あ')
        *bytes += "\x82\xA0";
    else
        return false;
    return true;
}

class ForeignCharacters : public LayoutTest {
protected:
    void SetUp() override
    {
        LayoutTest::SetUp();
        ClearForeignCharacters();
    }
    void TearDown() override { ClearForeignCharacters(); }

    static std::string Engine(const std::u32string& text) { return ToEngineBytes(text, EncodeSmallCodePage); }

    // The graphemes of the engine's text, placeholders given back.
    static std::u32string Back(const std::string& bytes)
    {
        std::u32string text;
        for (size_t i = 0; i < bytes.size();) {
            size_t length = 0;
            const std::u32string* grapheme = ForeignCharacterAt(bytes, i, &length);
            if (grapheme) {
                text += *grapheme;
            } else {
                length = bytes[i] == '\x82' ? 2 : 1;
                text += length == 2 ? U'あ' : static_cast<char32_t>(static_cast<unsigned char>(bytes[i]));
            }
            i += length;
        }
        return text;
    }
};

TEST_F(ForeignCharacters, KeepWidthAndIdentityAndComeBackAsThemselves)
{
    const std::u32string text = U"aé\u0301bあ한👨\u200D👩\u200D👧\u0645\u064E\x05é\u0301";
    const std::string bytes = Engine(text + U"\uFF8A\uFF9F");
    // a, é́ (2), b, あ (2), 한 (2), family (2), مَ (1), the control, é́ again, ﾊﾟ as two bytes
    EXPECT_EQ(bytes.size(), 1u + 2 + 1 + 2 + 2 + 2 + 1 + 1 + 2 + 2);
    EXPECT_EQ(bytes.substr(0, 1), "a");
    EXPECT_EQ(bytes.substr(4, 2), "\x82\xA0");
    EXPECT_EQ(bytes.substr(1, 2), bytes.substr(12, 2)) << "a grapheme has one placeholder";
    EXPECT_EQ(bytes[11], '\x05') << "a control character keeps its byte";
    EXPECT_EQ(bytes.substr(14), "ﾊﾟ") << "code page 932 characters stay as they are";
    EXPECT_EQ(Back(bytes.substr(0, 14)), text);

    std::string shiftJis = bytes;
    EXPECT_EQ(ReplaceForeignCharacters(&shiftJis), 5u);
    EXPECT_EQ(shiftJis, "a？bあ？？?\x05？ﾊﾟ");
    EXPECT_EQ(shiftJis.size(), bytes.size());
}

TEST_F(ForeignCharacters, BeyondTheTableKeepTheirWidthAsReplacements)
{
    std::u32string narrow, wide;
    for (char32_t mark = 0x0300; mark < 0x0300 + 34; ++mark)
        narrow += std::u32string(U"e") + mark;  // 34 one-cell graphemes
    for (char32_t syllable = 0xAC00; syllable < 0xAC00 + 941; ++syllable)
        wide += syllable;
    const std::string bytes = Engine(narrow + wide);
    ASSERT_EQ(bytes.size(), 34u + 2 * 941);
    EXPECT_EQ(Back(bytes.substr(0, 32)), narrow.substr(0, 64)) << "32 one-cell graphemes are kept";
    EXPECT_EQ(bytes.substr(32, 2), "??");
    EXPECT_EQ(Back(bytes.substr(34, 2 * 940)), wide.substr(0, 940)) << "940 two-cell graphemes are kept";
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "？");
}

// The layout never looks at what a placeholder stands for: a picture is the
// picture of the same texts with "?" and "？" in their place.
TEST_F(ForeignCharacters, LayOutLikeCharactersOfTheirWidth)
{
    const std::vector<std::u32string> texts = {U"Fenêtre 한국어", U"Ελληνικά 👍🏽", U"مرحبا e\u0301"};
    const auto capture = [&](bool replaced) {
        ResetCaptureState();
        AddWindow(Engine(U"Ω"), {0, 0, 400, 120}, "X");
        Add("Button", Engine(U"é"), {10, 20, 200, 50}, 'G');
        for (size_t i = 0; i < texts.size(); ++i)
            Add("Static", Engine(texts[i]), {20, 30 + 21 * static_cast<int>(i), 190, 44 + 21 * static_cast<int>(i)});
        Add("Edit", Engine(U"ü"), {220, 30, 380, 44}, 'B', 'L');
        if (replaced)
            for (int i = 0; i < ItemCount; ++i)
                ReplaceForeignCharacters(&ItemTable[i].text);
        return LayOutItems();
    };
    ConversionResult withPlaceholders = capture(false);
    const std::string utf8 = ShiftJisToUtf8(withPlaceholders.text);
    for (const std::u32string& text : texts)
        EXPECT_NE(utf8.find(Utf8Of(text)), std::string::npos) << Utf8Of(text) << " in\n" << utf8;
    ReplaceForeignCharacters(&withPlaceholders.text);
    EXPECT_EQ(ShiftJisToUtf8(withPlaceholders.text), ShiftJisToUtf8(capture(true).text));
}

}  // namespace
