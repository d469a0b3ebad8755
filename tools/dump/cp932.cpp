#include "cp932.h"

#include "cp932_pair.h"
#include "foreign_characters.h"
#include "sjis.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

constexpr char32_t kHalfWidthKatakanaBase = 0xFF61 - 0xA1;  // 0xA1..0xDF are U+FF61..U+FF9F
constexpr char32_t kReplacementChar = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsTrailByte(unsigned b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

bool IsHalfWidthKatakana(char32_t c)
{
    return c >= 0xA1 && c <= 0xDF;
}

bool IsByteEscape(char32_t c)
{
    return c >= kByteEscapeBase + 0x80 && c <= kByteEscapeBase + 0xFF;
}

// The double-byte characters that survive the round trip in both directions.
// Code page 932 maps some characters twice (the NEC and IBM extensions); only
// the pair that encoding picks is a valid character, the other one decodes as
// escaped bytes so that it comes back unchanged.
struct PairTables {
    std::vector<char32_t> codePointOf;  // by lead << 8 | trail; 0 for an invalid pair
    std::unordered_map<char32_t, uint16_t> pairOf;
};

// The character of a pair, provided that encoding it gives back that pair.
bool DecodePairExactly(unsigned char lead, unsigned char trail, char32_t* codePoint)
{
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    std::string encoded;
    return DecodeCp932Pair(lead, trail, codePoint) && !IsByteEscape(*codePoint) &&
           EncodeCp932Char(*codePoint, &encoded) && encoded == std::string(pair, 2);
}

PairTables BuildPairTables()
{
    PairTables tables;
    tables.codePointOf.assign(0x10000, 0);
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            char32_t codePoint;
            if (!IsLeadByte(static_cast<unsigned char>(lead)) || !IsTrailByte(trail) ||
                !DecodePairExactly(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail), &codePoint))
                continue;
            const uint16_t index = static_cast<uint16_t>(lead << 8 | trail);
            tables.codePointOf[index] = codePoint;
            tables.pairOf.emplace(codePoint, index);
        }
    }
    return tables;
}

const PairTables& Pairs()
{
    static const PairTables tables = BuildPairTables();
    return tables;
}

// Decodes the character that starts at bytes[pos]; returns its length in
// bytes, or 0 when bytes[pos] does not start a valid character.
size_t DecodeCharacter(const std::string& bytes, size_t pos, char32_t* codePoint)
{
    const unsigned char first = static_cast<unsigned char>(bytes[pos]);
    if (first < 0x80) {
        *codePoint = first;
        return 1;
    }
    if (IsHalfWidthKatakana(first)) {
        *codePoint = kHalfWidthKatakanaBase + first;
        return 1;
    }
    if (pos + 1 < bytes.size()) {
        const unsigned char second = static_cast<unsigned char>(bytes[pos + 1]);
        *codePoint = Pairs().codePointOf[first << 8 | second];
        if (*codePoint != 0)
            return 2;
    }
    return 0;
}

// The byte that stands alone for codePoint, or -1 when it needs a pair.
int SingleByteOf(char32_t codePoint)
{
    if (codePoint < 0x80)
        return static_cast<int>(codePoint);
    if (IsByteEscape(codePoint))
        return static_cast<int>(codePoint - kByteEscapeBase);
    if (codePoint > kHalfWidthKatakanaBase && IsHalfWidthKatakana(codePoint - kHalfWidthKatakanaBase))
        return static_cast<int>(codePoint - kHalfWidthKatakanaBase);
    return -1;
}

bool EncodeCharacter(char32_t codePoint, std::string* bytes)
{
    const int single = SingleByteOf(codePoint);
    if (single >= 0) {
        bytes->push_back(static_cast<char>(single));
        return true;
    }
    const auto found = Pairs().pairOf.find(codePoint);
    if (found == Pairs().pairOf.end())
        return false;
    bytes->push_back(static_cast<char>(found->second >> 8));
    bytes->push_back(static_cast<char>(found->second & 0xFF));
    return true;
}

void AppendUtf8(char32_t c, std::string* utf8)
{
    if (c < 0x80) {
        utf8->push_back(static_cast<char>(c));
        return;
    }
    const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    static const unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    utf8->push_back(static_cast<char>(kLeadMarks[tail] | c >> (6 * tail)));
    for (int i = tail - 1; i >= 0; --i)
        utf8->push_back(static_cast<char>(0x80 | (c >> (6 * i) & 0x3F)));
}

// Number of continuation bytes after a UTF-8 lead byte, or -1 when `first`
// cannot start a sequence.
int Utf8TailLength(unsigned char first)
{
    if (first < 0x80)
        return 0;
    if ((first & 0xE0) == 0xC0)
        return 1;
    if ((first & 0xF0) == 0xE0)
        return 2;
    if ((first & 0xF8) == 0xF0)
        return 3;
    return -1;
}

// Reads the UTF-8 sequence at utf8[*pos] and moves past it; false for an
// overlong, truncated or surrogate sequence or one beyond U+10FFFF.
bool ReadUtf8(const std::string& utf8, size_t* pos, char32_t* c)
{
    static const char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    const unsigned char first = static_cast<unsigned char>(utf8[*pos]);
    const int tail = Utf8TailLength(first);
    if (tail < 0 || utf8.size() - *pos <= static_cast<size_t>(tail))
        return false;
    *c = first & (0x7F >> (tail == 0 ? 0 : tail + 1));
    for (int i = 1; i <= tail; ++i) {
        const unsigned char next = static_cast<unsigned char>(utf8[*pos + i]);
        if ((next & 0xC0) != 0x80)
            return false;
        *c = *c << 6 | (next & 0x3F);
    }
    if (*c < kSmallest[tail] || *c > kLastCodePoint || (*c >= 0xD800 && *c <= 0xDFFF))
        return false;
    *pos += 1 + tail;
    return true;
}

}  // namespace

bool Cp932ToUtf8(const std::string& bytes, std::string* utf8, InvalidBytes invalid)
{
    utf8->clear();
    bool allValid = true;
    for (size_t pos = 0; pos < bytes.size();) {
        size_t length = 0;
        if (const std::u32string* grapheme = ForeignCharacterAt(bytes, pos, &length)) {
            for (char32_t c : *grapheme)
                AppendUtf8(c, utf8);
            pos += length;
            continue;
        }
        char32_t codePoint;
        length = DecodeCharacter(bytes, pos, &codePoint);
        if (length == 0) {
            allValid = false;
            codePoint = invalid == InvalidBytes::Escape
                            ? kByteEscapeBase + static_cast<unsigned char>(bytes[pos])
                            : kReplacementChar;
        }
        AppendUtf8(codePoint, utf8);
        pos += length == 0 ? 1 : length;
    }
    return allValid;
}

bool Utf8ToCp932(const std::string& utf8, std::string* bytes, std::string* error)
{
    std::u32string codePoints;
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t start = pos;
        char32_t codePoint;
        if (!ReadUtf8(utf8, &pos, &codePoint)) {
            *error = "malformed UTF-8 at byte " + std::to_string(start);
            return false;
        }
        codePoints.push_back(codePoint);
    }
    *bytes = ToEngineBytes(codePoints, EncodeCharacter);
    return true;
}

std::string WideToUtf8(const std::wstring& text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool lowNext = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (high && lowNext)
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = kReplacementChar;
        AppendUtf8(c, &utf8);
    }
    return utf8;
}
