#include "capture_dump.h"

#include "cp932.h"
#include "foreign_characters.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <set>

const char kCaptureDumpFormat[] = "quillscape-capture/1";

namespace {

using Json = nlohmann::json;

// Writing

std::string Quoted(const std::string& cp932)
{
    std::string utf8;
    Cp932ToUtf8(cp932, &utf8, InvalidBytes::Escape);
    return Json(utf8).dump();
}

std::string Quoted(char c)
{
    return Quoted(std::string(1, c));
}

std::string FormatOptions(const CaptureDump& dump)
{
    return "{\"DelSpcLinFlg\": " + std::to_string(dump.delSpcLinFlg) +
           ", \"DelSpcColFlg\": " + std::to_string(dump.delSpcColFlg) +
           ", \"CutUnderLine\": " + std::to_string(dump.cutUnderLine) +
           ", \"NoMuitiLine\": " + std::to_string(dump.noMuitiLine) + "}";
}

std::string FormatItem(const CaptureItem& item)
{
    const ItemRect& r = item.rect;
    return "{\"text\": " + Quoted(item.text) + ", \"rect\": [" + std::to_string(r.left) + ", " +
           std::to_string(r.top) + ", " + std::to_string(r.right) + ", " + std::to_string(r.bottom) +
           "], \"className\": " + Quoted(std::string(item.className)) + ", \"kind\": " + Quoted(item.kind) +
           ", \"shape\": " + Quoted(item.shape) +
           (item.source == RecordSource::Accessible ? ", \"source\": \"accessible\"}" : "}");
}

std::string FormatItems(const std::vector<CaptureItem>& items)
{
    if (items.empty())
        return "[]";
    std::string out = "[\n";
    for (size_t i = 0; i < items.size(); ++i)
        out += "    " + FormatItem(items[i]) + (i + 1 < items.size() ? ",\n" : "\n");
    return out + "  ]";
}

// Reading

bool Fail(const std::string& place, const std::string& problem, std::string* error)
{
    *error = place.empty() ? problem : place + ": " + problem;
    return false;
}

std::string Member(const std::string& place, const std::string& key)
{
    return place.empty() ? key : place + "." + key;
}

std::string Element(const std::string& place, size_t index)
{
    return place + "[" + std::to_string(index) + "]";
}

bool CheckKeys(const Json& object, const std::string& place, std::initializer_list<const char*> known,
               std::string* error)
{
    for (const auto& member : object.items()) {
        const bool isKnown = std::any_of(known.begin(), known.end(),
                                         [&](const char* key) { return member.key() == key; });
        if (!isKnown)
            return Fail(Member(place, member.key()), "unknown key", error);
    }
    return true;
}

// The member `key` of `object`, or null when it is absent.
const Json* Find(const Json& object, const char* key)
{
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

bool Require(const Json& object, const std::string& place, const char* key, const Json** value,
             std::string* error)
{
    *value = Find(object, key);
    return *value != nullptr || Fail(Member(place, key), "missing", error);
}

bool ReadInt32(const Json& value, const std::string& place, int32_t* out, std::string* error)
{
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    if (value.is_number_unsigned() && value.get<uint64_t>() <= static_cast<uint64_t>(kMax)) {
        *out = static_cast<int32_t>(value.get<uint64_t>());
        return true;
    }
    if (value.is_number_integer() && !value.is_number_unsigned() && value.get<int64_t>() >= kMin &&
        value.get<int64_t>() <= kMax) {
        *out = static_cast<int32_t>(value.get<int64_t>());
        return true;
    }
    return Fail(place, "not a 32-bit integer", error);
}

bool ReadCp932(const Json& value, const std::string& place, std::string* out, std::string* error)
{
    if (!value.is_string())
        return Fail(place, "expected a string", error);
    std::string problem;
    return Utf8ToCp932(value.get<std::string>(), out, &problem) || Fail(place, problem, error);
}

bool ReadChar(const Json& value, const std::string& place, char* out, std::string* error)
{
    std::string bytes;
    if (!ReadCp932(value, place, &bytes, error))
        return false;
    if (bytes.size() != 1)
        return Fail(place, "expected one character", error);
    *out = bytes[0];
    return true;
}

// A one-character code that must be `first` or `second`.
bool ReadCode(const Json& value, const std::string& place, char first, char second, char* out,
              std::string* error)
{
    std::string bytes;
    if (!ReadCp932(value, place, &bytes, error))
        return false;
    if (bytes != std::string(1, first) && bytes != std::string(1, second))
        return Fail(place, std::string("expected \"") + first + "\" or \"" + second + "\"", error);
    *out = bytes[0];
    return true;
}

// A text of the item table: C strings there, so no NUL inside.
bool ReadText(const Json& value, const std::string& place, size_t maxBytes, std::string* out, std::string* error)
{
    if (!ReadCp932(value, place, out, error))
        return false;
    if (out->find('\0') != std::string::npos)
        return Fail(place, "contains U+0000", error);
    if (out->size() > maxBytes)
        return Fail(place, "longer than " + std::to_string(maxBytes) + " bytes", error);
    return true;
}

bool ReadRect(const Json& value, const std::string& place, ItemRect* rect, std::string* error)
{
    if (!value.is_array() || value.size() != 4)
        return Fail(place, "expected an array of 4 integers", error);
    int32_t* const sides[] = {&rect->left, &rect->top, &rect->right, &rect->bottom};
    for (size_t i = 0; i < 4; ++i) {
        if (!ReadInt32(value[i], Element(place, i), sides[i], error))
            return false;
    }
    return true;
}

// Missing means "window": dumps written before the accessible reading read unchanged.
bool ReadSource(const Json& value, const std::string& place, RecordSource* out, std::string* error)
{
    if (value == "window")
        *out = RecordSource::Window;
    else if (value == "accessible")
        *out = RecordSource::Accessible;
    else
        return Fail(place, "expected \"window\" or \"accessible\"", error);
    return true;
}

bool ReadItem(const Json& value, const std::string& place, CaptureItem* item, std::string* error)
{
    if (!value.is_object())
        return Fail(place, "expected an object", error);
    if (!CheckKeys(value, place, {"text", "rect", "className", "kind", "shape", "source"}, error))
        return false;
    const Json *text, *rect, *className, *kind, *shape;
    const Json* source = Find(value, "source");
    std::string classBytes;
    if (!Require(value, place, "text", &text, error) || !Require(value, place, "rect", &rect, error) ||
        !Require(value, place, "className", &className, error) || !Require(value, place, "kind", &kind, error) ||
        !Require(value, place, "shape", &shape, error) ||
        !ReadText(*text, Member(place, "text"), std::string::npos, &item->text, error) ||
        !ReadRect(*rect, Member(place, "rect"), &item->rect, error) ||
        !ReadText(*className, Member(place, "className"), kClassNameSize - 1, &classBytes, error) ||
        !ReadChar(*kind, Member(place, "kind"), &item->kind, error) ||
        !ReadChar(*shape, Member(place, "shape"), &item->shape, error) ||
        (source && !ReadSource(*source, Member(place, "source"), &item->source, error)))
        return false;
    SetClassName(*item, classBytes.c_str());
    return true;
}

bool ReadItems(const Json& value, std::vector<CaptureItem>* items, std::string* error)
{
    if (!value.is_array())
        return Fail("items", "expected an array", error);
    if (value.size() > static_cast<size_t>(kItemLimit))
        return Fail("items", "more than " + std::to_string(kItemLimit) + " items", error);
    items->assign(value.size(), CaptureItem{});
    for (size_t i = 0; i < value.size(); ++i) {
        if (!ReadItem(value[i], Element("items", i), &(*items)[i], error))
            return false;
    }
    return true;
}

bool ReadOption(const Json& options, const char* name, int32_t* flag, std::string* error)
{
    const Json* value = Find(options, name);
    return !value || ReadInt32(*value, Member("options", name), flag, error);
}

bool ReadOptions(const Json& value, CaptureDump* dump, std::string* error)
{
    if (!value.is_object())
        return Fail("options", "expected an object", error);
    return CheckKeys(value, "options", {"DelSpcLinFlg", "DelSpcColFlg", "CutUnderLine", "NoMuitiLine"}, error) &&
           ReadOption(value, "DelSpcLinFlg", &dump->delSpcLinFlg, error) &&
           ReadOption(value, "DelSpcColFlg", &dump->delSpcColFlg, error) &&
           ReadOption(value, "CutUnderLine", &dump->cutUnderLine, error) &&
           ReadOption(value, "NoMuitiLine", &dump->noMuitiLine, error);
}

bool ReadDpi(const Json& value, int32_t* dpi, std::string* error)
{
    return ReadInt32(value, "dpi", dpi, error) && (*dpi > 0 || Fail("dpi", "not a positive number", error));
}

bool ReadFormat(const Json& root, std::string* error)
{
    const Json* format;
    if (!Require(root, "", "format", &format, error))
        return false;
    if (!format->is_string() || format->get<std::string>() != kCaptureDumpFormat)
        return Fail("format", std::string("expected \"") + kCaptureDumpFormat + "\"", error);
    return true;
}

bool ReadDump(const Json& root, CaptureDump* dump, std::string* error)
{
    if (!root.is_object())
        return Fail("", "expected a JSON object at the top level", error);
    const Json *mode, *items;
    const Json* options = Find(root, "options");
    const Json* statusBarSeen = Find(root, "statusBarSeen");
    const Json* listRowCount = Find(root, "listRowCount");
    const Json* dpi = Find(root, "dpi");
    return ReadFormat(root, error) &&
           CheckKeys(root, "", {"format", "mode", "options", "statusBarSeen", "listRowCount", "dpi", "items"},
                     error) &&
           Require(root, "", "mode", &mode, error) && ReadCode(*mode, "mode", 'O', 'K', &dump->captureMode, error) &&
           (!options || ReadOptions(*options, dump, error)) &&
           (!statusBarSeen || ReadCode(*statusBarSeen, "statusBarSeen", 'Y', 'N', &dump->statusBarSeen, error)) &&
           (!listRowCount || ReadInt32(*listRowCount, "listRowCount", &dump->listRowCount, error)) &&
           (!dpi || ReadDpi(*dpi, &dump->dpi, error)) &&
           Require(root, "", "items", &items, error) && ReadItems(*items, &dump->items, error);
}

// The library's message without its "[json.exception...] parse error at " prefix.
std::string ParserProblem(const Json::exception& e)
{
    std::string message = e.what();
    for (const char* prefix : {"] ", "parse error at ", "parse error: "}) {
        const size_t at = message.find(prefix);
        if (at != std::string::npos)
            message.erase(0, at + std::strlen(prefix));
    }
    return message;
}

// Parses JSON text; the library would silently keep the last of two equal
// keys, which makes a dump ambiguous, so they are refused here.
bool ParseJson(const std::string& text, Json* root, std::string* error)
{
    std::vector<std::set<std::string>> openObjects;
    std::string duplicate;
    const Json::parser_callback_t watchKeys = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start)
            openObjects.emplace_back();
        else if (event == Json::parse_event_t::object_end)
            openObjects.pop_back();
        else if (event == Json::parse_event_t::key && !openObjects.back().insert(parsed.get<std::string>()).second &&
                 duplicate.empty())
            duplicate = parsed.get<std::string>();
        return true;
    };
    try {
        *root = Json::parse(text, watchKeys);
    } catch (const Json::exception& e) {
        return Fail("not JSON", ParserProblem(e), error);
    }
    return duplicate.empty() || Fail("", "duplicate key \"" + duplicate + "\"", error);
}

}  // namespace

CaptureDump TakeCaptureDump(int32_t dpi)
{
    CaptureDump dump;
    dump.dpi = dpi;
    dump.captureMode = CaptureMode;
    dump.delSpcLinFlg = DelSpcLinFlg;
    dump.delSpcColFlg = DelSpcColFlg;
    dump.cutUnderLine = CutUnderLine;
    dump.noMuitiLine = NoMuitiLine;
    dump.statusBarSeen = StatusBarSeen;
    dump.listRowCount = ListRowCount;
    dump.items.assign(ItemTable, ItemTable + ItemCount);
    return dump;
}

void LoadCaptureDump(const CaptureDump& dump)
{
    ResetCaptureState();
    CaptureMode = dump.captureMode;
    DelSpcLinFlg = dump.delSpcLinFlg;
    DelSpcColFlg = dump.delSpcColFlg;
    CutUnderLine = dump.cutUnderLine;
    NoMuitiLine = dump.noMuitiLine;
    StatusBarSeen = dump.statusBarSeen;
    ListRowCount = dump.listRowCount;
    ItemCount = static_cast<int32_t>(std::min(dump.items.size(), static_cast<size_t>(kItemLimit)));
    std::copy(dump.items.begin(), dump.items.begin() + ItemCount, ItemTable);
}

std::string FormatCaptureDump(const CaptureDump& dump)
{
    return std::string("{\n") +
           "  \"format\": " + Json(kCaptureDumpFormat).dump() + ",\n" +
           "  \"mode\": " + Quoted(dump.captureMode) + ",\n" +
           "  \"options\": " + FormatOptions(dump) + ",\n" +
           "  \"statusBarSeen\": " + Quoted(dump.statusBarSeen) + ",\n" +
           "  \"listRowCount\": " + std::to_string(dump.listRowCount) + ",\n" +
           "  \"dpi\": " + std::to_string(dump.dpi) + ",\n" +
           "  \"items\": " + FormatItems(dump.items) + "\n" +
           "}\n";
}

bool ParseCaptureDump(const std::string& json, CaptureDump* out, std::string* error)
{
    ClearForeignCharacters();
    Json root;
    *out = CaptureDump{};
    return ParseJson(json, &root, error) && ReadDump(root, out, error);
}
