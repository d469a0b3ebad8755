// Plain string literals are Shift-JIS in this build, u8 literals UTF-8.
#include "capture_dump.h"
#include "cp932.h"
#include "foreign_characters.h"
#include "layout.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using Json = nlohmann::json;

CaptureItem MakeItem(const std::string& text, ItemRect rect, const std::string& className, char kind, char shape)
{
    CaptureItem item{};
    item.text = text;
    item.rect = rect;
    SetClassName(item, className.c_str());
    item.kind = kind;
    item.shape = shape;
    return item;
}

void PutInTable(const std::vector<CaptureItem>& items)
{
    std::copy(items.begin(), items.end(), ItemTable);
    ItemCount = static_cast<int32_t>(items.size());
}

void ExpectTableHolds(const std::vector<CaptureItem>& expected)
{
    ASSERT_EQ(ItemCount, static_cast<int32_t>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        const CaptureItem& actual = ItemTable[i];
        EXPECT_EQ(actual.text, expected[i].text);
        EXPECT_EQ(actual.rect.left, expected[i].rect.left);
        EXPECT_EQ(actual.rect.top, expected[i].rect.top);
        EXPECT_EQ(actual.rect.right, expected[i].rect.right);
        EXPECT_EQ(actual.rect.bottom, expected[i].rect.bottom);
        EXPECT_STREQ(actual.className, expected[i].className);
        EXPECT_EQ(actual.kind, expected[i].kind);
        EXPECT_EQ(actual.shape, expected[i].shape);
        EXPECT_EQ(actual.source, expected[i].source);
    }
}

class CaptureDumpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetCaptureState();
        ClearForeignCharacters();
    }
    void TearDown() override
    {
        ResetCaptureState();
        ClearForeignCharacters();
    }

    // Parses `json` and loads it into the globals; fails the test on error.
    void Load(const std::string& json)
    {
        CaptureDump dump;
        std::string error;
        ASSERT_TRUE(ParseCaptureDump(json, &dump, &error)) << error;
        LoadCaptureDump(dump);
    }
};

TEST_F(CaptureDumpTest, WritingAndReadingKeepsEveryRecordByteForByte)
{
    std::vector<CaptureItem> items = {
        MakeItem("メモ帳 - 無題", {-32000, -32000, -31000, -31500}, "#32770", ' ', '\0'),
        MakeItem("", {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, "Style", ' ', ' '),
        MakeItem("&File  &Edit  ", {0, 0, 0, 0}, "Menu", 'M', '\0'),
        MakeItem("line1\r\nline2\ttab \"quoted\" back\\slash", {10, 20, 110, 41}, "Edit", 'B', 'L'),
        // Not Shift-JIS: lone lead byte, stray bytes, an unassigned pair and
        // duplicate-mapped pairs, among valid characters.
        MakeItem("ab\x82\x20\x80\xA0\xFD\xFE\xFF\x85\x40ｱｲ─\xED\x40\xEE\xF9\x87\x90纊", {1, 2, 3, 4}, "Static", 'B', 'S'),
        MakeItem("cut at the end \x81", {5, 6, 7, 8}, std::string(79, 'x'), 'G', 'H'),
        MakeItem("\x84", {9, 10, 11, 12}, "クラス名", '\xB1', '\x84'),
        MakeItem("■保存する", {13, 14, 15, 16}, "CheckBox", ' ', ' '),
    };
    items.back().source = RecordSource::Accessible;
    PutInTable(items);
    const std::string json = FormatCaptureDump(TakeCaptureDump());

    ResetCaptureState();
    Load(json);
    ExpectTableHolds(items);
}

// The texts of a dump are Unicode: what code page 932 lacks is read into the
// table of foreign characters and written back as itself.
TEST_F(CaptureDumpTest, CharactersOutsideCodePage932AreKept)
{
    const std::string text = u8"Ça été 円¥ 👍🏽";
    Load(u8R"({"format": "quillscape-capture/1", "mode": "K", "items": [{"text": ")" + text +
         u8R"(", "rect": [0, 0, 200, 21], "className": "Edit", "kind": "B", "shape": "L"}]})");
    std::string utf8;
    Cp932ToUtf8(ItemTable[0].text, &utf8);
    EXPECT_EQ(utf8, text);
    const std::string again = FormatCaptureDump(TakeCaptureDump());
    EXPECT_NE(again.find("\"" + text + "\""), std::string::npos) << again;

    const ConversionResult result = LayOutItems();
    Cp932ToUtf8(result.text, &utf8);
    EXPECT_NE(utf8.find(text), std::string::npos) << utf8;
    std::string shiftJis = result.text;
    EXPECT_EQ(ReplaceForeignCharacters(&shiftJis), 5u);
    EXPECT_NE(shiftJis.find("?a ？t？ 円? ？"), std::string::npos);
}

TEST_F(CaptureDumpTest, WritesOneRecordPerLine)
{
    PutInTable({MakeItem("設定\n&OK\x82", {0, -5, 100, 50}, "Edit", 'B', 'L'),
                MakeItem("", {1, 2, 3, 4}, "Static", ' ', '\0')});
    ItemTable[1].source = RecordSource::Accessible;
    CaptureMode = 'K';
    DelSpcLinFlg = 2;
    DelSpcColFlg = 3;
    CutUnderLine = 4;
    NoMuitiLine = 5;
    StatusBarSeen = 'Y';
    ListRowCount = -1;
    EXPECT_EQ(FormatCaptureDump(TakeCaptureDump(144)),
              u8R"({
  "format": "quillscape-capture/1",
  "mode": "K",
  "options": {"DelSpcLinFlg": 2, "DelSpcColFlg": 3, "CutUnderLine": 4, "NoMuitiLine": 5},
  "statusBarSeen": "Y",
  "listRowCount": -1,
  "dpi": 144,
  "items": [
    {"text": "設定\n&OK)" u8"\uF782" u8R"(", "rect": [0, -5, 100, 50], "className": "Edit", "kind": "B", "shape": "L"},
    {"text": "", "rect": [1, 2, 3, 4], "className": "Static", "kind": " ", "shape": "\u0000", "source": "accessible"}
  ]
}
)");
}

TEST_F(CaptureDumpTest, ReadsEachFieldIntoItsGlobal)
{
    Load(u8R"({"format": "quillscape-capture/1", "mode": "K",
               "options": {"DelSpcLinFlg": 5, "DelSpcColFlg": 6, "CutUnderLine": 7, "NoMuitiLine": -8},
               "statusBarSeen": "Y", "listRowCount": 9,
               "items": [{"text": "ｱ\uF782", "rect": [-1, -2, 2147483647, -2147483648],
                          "className": "あ", "kind": "ｲ", "shape": "\uF784"}]})");
    EXPECT_EQ(CaptureMode, 'K');
    EXPECT_EQ(DelSpcLinFlg, 5);
    EXPECT_EQ(DelSpcColFlg, 6);
    EXPECT_EQ(CutUnderLine, 7);
    EXPECT_EQ(NoMuitiLine, -8);
    EXPECT_EQ(StatusBarSeen, 'Y');
    EXPECT_EQ(ListRowCount, 9);
    ExpectTableHolds({MakeItem("ｱ\x82", {-1, -2, INT32_MAX, INT32_MIN}, "あ", '\xB2', '\x84')});
}

TEST_F(CaptureDumpTest, MissingOptionalFieldsTakeTheirDefaults)
{
    CaptureMode = 'K';
    DelSpcLinFlg = DelSpcColFlg = CutUnderLine = NoMuitiLine = 9;
    StatusBarSeen = 'Y';
    ListRowCount = 9;
    const std::string minimal = R"({"format": "quillscape-capture/1", "mode": "O", "items": []})";
    CaptureDump dump;
    std::string error;
    ASSERT_TRUE(ParseCaptureDump(minimal, &dump, &error)) << error;
    EXPECT_EQ(dump.dpi, 96);
    Load(minimal);
    EXPECT_EQ(CaptureMode, 'O');
    EXPECT_EQ(DelSpcLinFlg, 1);
    EXPECT_EQ(DelSpcColFlg, 1);
    EXPECT_EQ(CutUnderLine, 1);
    EXPECT_EQ(NoMuitiLine, 0);
    EXPECT_EQ(StatusBarSeen, 'N');
    EXPECT_EQ(ListRowCount, 0);
    EXPECT_EQ(ItemCount, 0);

    Load(R"({"format": "quillscape-capture/1", "mode": "O", "options": {"CutUnderLine": 0}, "items": []})");
    EXPECT_EQ(DelSpcLinFlg, 1);
    EXPECT_EQ(DelSpcColFlg, 1);
    EXPECT_EQ(CutUnderLine, 0);
    EXPECT_EQ(NoMuitiLine, 0);
}

// A valid dump with four records, for the cases below to spoil.
Json ValidDump()
{
    const Json item = {{"text", "OK"}, {"rect", {0, 0, 50, 14}}, {"className", "Button"},
                       {"kind", "B"},  {"shape", "L"}};
    return {{"format", "quillscape-capture/1"},
            {"mode", "O"},
            {"options", {{"DelSpcLinFlg", 1}, {"DelSpcColFlg", 1}, {"CutUnderLine", 1}, {"NoMuitiLine", 0}}},
            {"statusBarSeen", "N"},
            {"listRowCount", 0},
            {"items", {item, item, item, item}}};
}

std::string ParseError(const std::string& json)
{
    CaptureDump dump;
    std::string error;
    return ParseCaptureDump(json, &dump, &error) ? "(accepted)" : error;
}

struct BadDump {
    std::function<void(Json&)> spoil;
    const char* error;
};

TEST(CaptureDumpErrors, NameThePlaceOfTheFault)
{
    ASSERT_EQ(ParseError(ValidDump().dump()), "(accepted)");
    const BadDump cases[] = {
        {[](Json& d) { d.erase("format"); }, "format: missing"},
        {[](Json& d) { d["format"] = "quillscape-capture/2"; }, "format: expected \"quillscape-capture/1\""},
        {[](Json& d) { d["colour"] = 1; }, "colour: unknown key"},
        {[](Json& d) { d.erase("mode"); }, "mode: missing"},
        {[](Json& d) { d["mode"] = "o"; }, "mode: expected \"O\" or \"K\""},
        {[](Json& d) { d["options"] = 1; }, "options: expected an object"},
        {[](Json& d) { d["options"]["Colour"] = 1; }, "options.Colour: unknown key"},
        {[](Json& d) { d["options"]["CutUnderLine"] = "1"; }, "options.CutUnderLine: not a 32-bit integer"},
        {[](Json& d) { d["options"]["NoMuitiLine"] = 2147483648u; }, "options.NoMuitiLine: not a 32-bit integer"},
        {[](Json& d) { d["statusBarSeen"] = "y"; }, "statusBarSeen: expected \"Y\" or \"N\""},
        {[](Json& d) { d["listRowCount"] = 0.5; }, "listRowCount: not a 32-bit integer"},
        {[](Json& d) { d["dpi"] = 0; }, "dpi: not a positive number"},
        {[](Json& d) { d["dpi"] = "144"; }, "dpi: not a 32-bit integer"},
        {[](Json& d) { d.erase("items"); }, "items: missing"},
        {[](Json& d) { d["items"] = Json::object(); }, "items: expected an array"},
        {[](Json& d) { d["items"][2] = "OK"; }, "items[2]: expected an object"},
        {[](Json& d) { d["items"][3].erase("rect"); }, "items[3].rect: missing"},
        {[](Json& d) { d["items"][1]["colour"] = "red"; }, "items[1].colour: unknown key"},
        {[](Json& d) { d["items"][3]["rect"][2] = 2147483648u; }, "items[3].rect[2]: not a 32-bit integer"},
        {[](Json& d) { d["items"][3]["rect"][0] = -2147483649LL; }, "items[3].rect[0]: not a 32-bit integer"},
        {[](Json& d) { d["items"][0]["rect"][1] = 1.0; }, "items[0].rect[1]: not a 32-bit integer"},
        {[](Json& d) { d["items"][0]["rect"][3] = false; }, "items[0].rect[3]: not a 32-bit integer"},
        {[](Json& d) { d["items"][0]["rect"].push_back(1); }, "items[0].rect: expected an array of 4 integers"},
        {[](Json& d) { d["items"][1]["kind"] = ""; }, "items[1].kind: expected one character"},
        {[](Json& d) { d["items"][1]["shape"] = u8"─"; }, "items[1].shape: expected one character"},
        {[](Json& d) { d["items"][1]["shape"] = 76; }, "items[1].shape: expected a string"},
        {[](Json& d) { d["items"][1]["source"] = "walker"; }, "items[1].source: expected \"window\" or \"accessible\""},
        {[](Json& d) { d["items"][2]["text"] = std::string("a\0b", 3); }, "items[2].text: contains U+0000"},
        {[](Json& d) { d["items"][2]["className"] = std::string(80, 'x'); },
         "items[2].className: longer than 79 bytes"},
        {[](Json& d) {
             const Json item = d["items"][0];
             d["items"] = Json::array();
             for (int i = 0; i <= kItemLimit; ++i)
                 d["items"].push_back(item);
         },
         "items: more than 3000 items"},
    };
    for (const BadDump& c : cases) {
        Json dump = ValidDump();
        c.spoil(dump);
        EXPECT_EQ(ParseError(dump.dump()), c.error) << dump.dump().substr(0, 400);
    }
}

TEST(CaptureDumpErrors, AcceptsValuesAtTheLimits)
{
    Json dump = ValidDump();
    std::string name = "x";
    for (int i = 0; i < 39; ++i)
        name += u8"あ";
    dump["items"][0]["className"] = name;  // 79 bytes in code page 932, 118 in UTF-8
    while (dump["items"].size() < static_cast<size_t>(kItemLimit))
        dump["items"].push_back(dump["items"][1]);
    EXPECT_EQ(ParseError(dump.dump()), "(accepted)");
}

struct BadText {
    const char* json;
    const char* error;
};

TEST(CaptureDumpErrors, RefuseMalformedJsonAndNonIntegerNumbers)
{
    const BadText cases[] = {
        {"", "not JSON: line 1, column 1: syntax error while parsing value - unexpected end of input; "
             "expected '[', '{', or a literal"},
        {"{\"format\": ]", "not JSON: line 1, column 12: syntax error while parsing value - unexpected ']'; "
                           "expected '[', '{', or a literal"},
        {"[1]", "expected a JSON object at the top level"},
        {R"({"format": "quillscape-capture/1", "mode": "O", "mode": "K", "items": []})",
         "duplicate key \"mode\""},
        {R"({"format": "quillscape-capture/1", "mode": "O", "items": [], "listRowCount": 1e3})",
         "listRowCount: not a 32-bit integer"},
        {R"({"format": "quillscape-capture/1", "mode": "O", "items": [
            {"text": "", "rect": [0, 0, 99999999999999999999, 0], "className": "", "kind": " ", "shape": " "}]})",
         "items[0].rect[2]: not a 32-bit integer"},
    };
    for (const BadText& c : cases)
        EXPECT_EQ(ParseError(c.json), c.error) << c.json;

    // Text that is not UTF-8 never reaches the code page conversion.
    EXPECT_EQ(ParseError("{\"format\": \"\x82\xA0\"}").rfind("not JSON: line 1, column ", 0), 0u);
    EXPECT_EQ(ParseError(R"({"format": "\ud800"})").rfind("not JSON: line 1, column ", 0), 0u);
}

}  // namespace
