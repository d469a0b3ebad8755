#include "foreign_characters.h"

#include "graphemes.h"
#include "sjis.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

// One-cell placeholders: the control bytes other than white space, and the
// single bytes code page 932 assigns to nothing.
constexpr unsigned char kNarrowBytes[] = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15,
    0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x7F, 0x80, 0xA0, 0xFD, 0xFE, 0xFF,
};
// Two-cell placeholders: lead bytes that code page 932 assigns to nothing,
// each with a trail byte of its own range, which lies above the white space
// and '&' that the engine tests byte by byte.
constexpr unsigned char kWideLeadBytes[] = {0x85, 0x86, 0xEB, 0xEC, 0xEF};
constexpr unsigned kTrailsPerLead = 188;  // 0x40..0x7E and 0x80..0xFC
constexpr size_t kNarrowSlots = sizeof kNarrowBytes;
constexpr size_t kWideSlots = sizeof kWideLeadBytes * kTrailsPerLead;

const char kNarrowReplacement[] = "?";
const char kWideReplacement[] = "\x81\x48";  // ？

unsigned char TrailByteOf(size_t slot)
{
    const unsigned t = static_cast<unsigned>(slot % kTrailsPerLead);
    return static_cast<unsigned char>(t < 0x3F ? 0x40 + t : 0x41 + t);
}

int TrailIndexOf(unsigned char trail)
{
    if (trail >= 0x40 && trail <= 0x7E)
        return trail - 0x40;
    if (trail >= 0x80 && trail <= 0xFC)
        return trail - 0x41;
    return -1;
}

// The position of each byte in `bytes`, -1 for the others.
template <size_t N>
constexpr std::array<int16_t, 256> IndexOfBytes(const unsigned char (&bytes)[N])
{
    std::array<int16_t, 256> index{};
    for (size_t b = 0; b < index.size(); ++b)
        index[b] = -1;
    for (size_t i = 0; i < N; ++i)
        index[bytes[i]] = static_cast<int16_t>(i);
    return index;
}

constexpr std::array<int16_t, 256> kNarrowIndex = IndexOfBytes(kNarrowBytes);
constexpr std::array<int16_t, 256> kWideLeadIndex = IndexOfBytes(kWideLeadBytes);

struct ForeignTable {
    std::array<std::u32string, 256> narrow;  // by placeholder byte; empty while free
    size_t narrowCount = 0;
    std::vector<std::u32string> wide;
    std::unordered_map<std::u32string, std::string> placeholders;
};

ForeignTable& Table()
{
    static ForeignTable table;
    return table;
}

bool IsControlCharacter(char32_t c)
{
    return (c < 0x20 && kNarrowIndex[c] >= 0) || c == 0x7F;
}

// A control character keeps its own byte while that is free, so that text of
// code page 932 comes back byte for byte; other graphemes take the free
// bytes from the top down.
int FreeNarrowByte(const std::u32string& grapheme)
{
    const ForeignTable& table = Table();
    if (grapheme.size() == 1 && IsControlCharacter(grapheme[0]) && table.narrow[grapheme[0]].empty())
        return static_cast<int>(grapheme[0]);
    for (size_t i = kNarrowSlots; i-- > 0;)
        if (table.narrow[kNarrowBytes[i]].empty())
            return kNarrowBytes[i];
    return -1;
}

std::string NewPlaceholder(const std::u32string& grapheme)
{
    ForeignTable& table = Table();
    if (GraphemeCells(grapheme) == 1 || IsControlCharacter(grapheme[0])) {
        const int byte = FreeNarrowByte(grapheme);
        if (byte < 0)
            return kNarrowReplacement;
        table.narrow[byte] = grapheme;
        ++table.narrowCount;
        return std::string(1, static_cast<char>(byte));
    }
    if (table.wide.size() == kWideSlots)
        return kWideReplacement;
    const size_t slot = table.wide.size();
    table.wide.push_back(grapheme);
    const char pair[2] = {static_cast<char>(kWideLeadBytes[slot / kTrailsPerLead]),
                          static_cast<char>(TrailByteOf(slot))};
    return std::string(pair, 2);
}

void AppendPlaceholder(const std::u32string& grapheme, std::string* text)
{
    auto found = Table().placeholders.find(grapheme);
    if (found == Table().placeholders.end())
        found = Table().placeholders.emplace(grapheme, NewPlaceholder(grapheme)).first;
    *text += found->second;
}

// The grapheme's bytes when code page 932 holds each of its characters
// exactly; the characters of a double-byte character's own grapheme (a
// half-width kana with its sound mark) stay as they are.
bool AppendExactly(const std::u32string& grapheme, ExactCp932Encoder encode, std::string* text)
{
    const size_t before = text->size();
    for (char32_t c : grapheme) {
        if (IsControlCharacter(c) || !encode(c, text)) {
            text->resize(before);
            return false;
        }
    }
    return true;
}

}  // namespace

void ClearForeignCharacters()
{
    ForeignTable& table = Table();
    table.narrow.fill(std::u32string());
    table.narrowCount = 0;
    table.wide.clear();
    table.placeholders.clear();
}

bool HoldsForeignCharacters()
{
    return Table().narrowCount > 0 || !Table().wide.empty();
}

std::string ToEngineBytes(const std::u32string& text, ExactCp932Encoder encode)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (size_t start = 0; start < text.size();) {
        const size_t end = GraphemeEnd(text, start);
        const std::u32string grapheme = text.substr(start, end - start);
        if (!AppendExactly(grapheme, encode, &bytes))
            AppendPlaceholder(grapheme, &bytes);
        start = end;
    }
    return bytes;
}

const std::u32string* ForeignCharacterAt(const std::string& text, size_t i, size_t* length)
{
    const ForeignTable& table = Table();
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (kNarrowIndex[b] >= 0) {
        *length = 1;
        return table.narrow[b].empty() ? nullptr : &table.narrow[b];
    }
    const int lead = kWideLeadIndex[b];
    if (lead < 0 || i + 1 >= text.size())
        return nullptr;
    const int trail = TrailIndexOf(static_cast<unsigned char>(text[i + 1]));
    const size_t slot = static_cast<size_t>(lead) * kTrailsPerLead + static_cast<size_t>(trail);
    if (trail < 0 || slot >= table.wide.size())
        return nullptr;
    *length = 2;
    return &table.wide[slot];
}

const char* ShiftJisReplacement(int cells)
{
    return cells == 2 ? kWideReplacement : kNarrowReplacement;
}

size_t ReplaceForeignCharacters(std::string* text)
{
    if (!HoldsForeignCharacters())
        return 0;
    std::string out;
    out.reserve(text->size());
    size_t replaced = 0;
    for (size_t i = 0; i < text->size();) {
        size_t length = 0;
        const std::u32string* grapheme = ForeignCharacterAt(*text, i, &length);
        if (!grapheme) {
            length = CharLength(text->data(), text->size(), i);
            out.append(*text, i, length);
        } else if (grapheme->size() == 1 && IsControlCharacter((*grapheme)[0])) {
            out += static_cast<char>((*grapheme)[0]);
        } else {
            out += length == 1 ? kNarrowReplacement : kWideReplacement;
            ++replaced;
        }
        i += length;
    }
    *text = std::move(out);
    return replaced;
}
