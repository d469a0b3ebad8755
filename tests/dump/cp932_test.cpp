// Plain string literals are Shift-JIS in this build, u8 literals UTF-8.
#include "cp932.h"
#include "foreign_characters.h"

#include <gtest/gtest.h>

namespace {

std::string Decode(const std::string& bytes, InvalidBytes invalid = InvalidBytes::Escape)
{
    std::string utf8;
    Cp932ToUtf8(bytes, &utf8, invalid);
    return utf8;
}

void ExpectRoundTrip(const std::string& bytes)
{
    std::string utf8, back, error;
    Cp932ToUtf8(bytes, &utf8);
    ASSERT_TRUE(Utf8ToCp932(utf8, &back, &error)) << ::testing::PrintToString(bytes) << error;
    EXPECT_EQ(back, bytes);
}

TEST(Cp932, ValidTextConvertsBothWays)
{
    const std::string sjis = "abc 日本語 ｡ｱｲｳﾟ ─│┼ ① \\~\t\r\n";
    const std::string utf8 = u8"abc 日本語 ｡ｱｲｳﾟ ─│┼ ① \\~\t\r\n";
    std::string decoded, encoded, error;
    EXPECT_TRUE(Cp932ToUtf8(sjis, &decoded));
    EXPECT_EQ(decoded, utf8);
    ASSERT_TRUE(Utf8ToCp932(utf8, &encoded, &error)) << error;
    EXPECT_EQ(encoded, sjis);
}

struct InvalidCase {
    const char* what;
    std::string bytes;
    std::string escaped;
};

TEST(Cp932, BytesOutsideValidCharactersAreEscapedAndComeBack)
{
    const InvalidCase cases[] = {
        {"lone lead byte at the end", "ab\x82", u8"ab\uF782"},
        {"lead byte before a space", "\x82 x", u8"\uF782 x"},
        {"lead byte before a valid pair", "\x85\x82\xA0", u8"\uF785あ"},
        {"bytes that start nothing", "\x80\xA0\xFD\xFE\xFF", u8"\uF780\uF7A0\uF7FD\uF7FE\uF7FF"},
        {"unassigned pair", "\x85\x40", u8"\uF785@"},
        // NEC-selected IBM extension: encoding picks the IBM pair 0xFA5C.
        {"duplicate of an IBM extension", "\xED\x40", u8"\uF7ED@"},
        // NEC row 13 duplicate of 0x81E0 (approximately equal).
        {"duplicate of a JIS symbol", "\x87\x90", u8"\uF787\uF790"},
        // Not sign: 0x81CA is the one encoding picks, 0xEEF9 and 0xFA54 are copies.
        {"duplicates of the not sign", "\xEE\xF9 \xFA\x54", u8"\uF7EE\uF7F9 \uF7FAT"},
    };
    for (const InvalidCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string utf8;
        EXPECT_FALSE(Cp932ToUtf8(c.bytes, &utf8));
        EXPECT_EQ(utf8, c.escaped);
        ExpectRoundTrip(c.bytes);
    }
}

TEST(Cp932, PreferredOfDuplicatePairsAreValid)
{
    for (const std::string bytes : {"\xFA\x5C", "\x81\xCA", "\x81\xE0", "\x87\x40", "\xF0\x40"}) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        std::string utf8;
        EXPECT_TRUE(Cp932ToUtf8(bytes, &utf8));
        ExpectRoundTrip(bytes);
    }
    EXPECT_EQ(Decode("\xFA\x5C"), u8"纊");
    EXPECT_EQ(Decode("\x81\xCA"), u8"￢");
}

// Every byte and every pair of bytes comes back unchanged, whatever it is;
// three-byte strings catch a walk that loses its place after an escape.
TEST(Cp932, EveryShortByteStringRoundTrips)
{
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::string bytes{static_cast<char>(first), static_cast<char>(second)};
            ExpectRoundTrip(bytes);
            ExpectRoundTrip(bytes.substr(0, 1) + bytes + "\x82");
            if (HasFailure())
                return;
        }
    }
}

TEST(Cp932, ReplaceModeShowsInvalidBytesAsReplacementChar)
{
    EXPECT_EQ(Decode("a\x82", InvalidBytes::Replace), u8"a\uFFFD");
    EXPECT_EQ(Decode("\xED\x40\x82\xA0", InvalidBytes::Replace), u8"\uFFFD@あ");
    EXPECT_EQ(Decode("\xFF\xFF", InvalidBytes::Replace), u8"\uFFFD\uFFFD");
}

// Foreign characters live in the conversion's table; each test that makes
// some leaves it empty again for the escapes of the others.
struct ForeignTableScope {
    ForeignTableScope() { ClearForeignCharacters(); }
    ~ForeignTableScope() { ClearForeignCharacters(); }
};

struct KeptCase {
    std::string utf8;
    std::string shiftJis;  // as the Shift-JIS output writes it
};

TEST(Cp932, CharactersOutsideCodePage932KeepTheirWidthAndComeBack)
{
    const ForeignTableScope scope;
    const KeptCase cases[] = {
        {u8"ab¥", "ab?"},                       // best fit would have made it '\'
        {u8"x😀", "x？"},
        {u8"\uF741", "？"},                     // private use below the escapes, ambiguous width
        {u8"Ça été", "?a ？t？"},
        {u8"e\u0301\u0302!", "?!"},             // one grapheme with two marks
        {u8"👩🏽\u200D💻 한국어", "？ ？？？"},
        {u8"مرحبا", "?????"},
        {u8"𠀋\u0001\t", "？\x01\t"},           // beyond the basic plane; a control stays itself
        {u8"ﾊﾟ日本", "ﾊﾟ日本"},
    };
    for (const KeptCase& c : cases) {
        SCOPED_TRACE(c.utf8);
        std::string bytes, back, error;
        ASSERT_TRUE(Utf8ToCp932(c.utf8, &bytes, &error)) << error;
        EXPECT_TRUE(Cp932ToUtf8(bytes, &back));
        EXPECT_EQ(back, c.utf8);
        std::string replaced = bytes;
        ReplaceForeignCharacters(&replaced);
        EXPECT_EQ(replaced, c.shiftJis);
    }
}

TEST(Cp932, WideTextBecomesUtf8WithItsSurrogatePairsJoined)
{
    const std::wstring wide = {L'a', 0x65E5, 0xD83D, 0xDC4D, 0xD800, L'x', 0xDC4D};
    const std::string utf8 = u8"a日👍\uFFFDx\uFFFD";  // outside the macro, which spells it in Shift-JIS
    EXPECT_EQ(WideToUtf8(wide), utf8);
}

struct EncodeFailure {
    std::string utf8;
    const char* error;
};

TEST(Cp932, EncodingRefusesMalformedUtf8)
{
    const EncodeFailure cases[] = {
        {"ok\xC3", "malformed UTF-8 at byte 2"},
        {"a\xED\xA0\x80", "malformed UTF-8 at byte 1"},  // surrogate
        {"\xF4\x90\x80\x80", "malformed UTF-8 at byte 0"},  // beyond U+10FFFF
    };
    for (const EncodeFailure& c : cases) {
        std::string bytes, error;
        EXPECT_FALSE(Utf8ToCp932(c.utf8, &bytes, &error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
