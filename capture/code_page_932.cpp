#include "code_page_932.h"

#include "foreign_characters.h"
#include "graphemes.h"
#include "sjis.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr UINT kCodePage932 = 932;
constexpr wchar_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Controls other than white space stand for placeholders in the engine's text.
bool HasControlCharacters(const wchar_t* text, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        const wchar_t c = text[i];
        if ((c < 0x20 && (c < 0x09 || c > 0x0D)) || c == 0x7F)
            return true;
    }
    return false;
}

// The text when code page 932 holds every character exactly; false otherwise.
bool ConvertExactly(const wchar_t* text, size_t length, std::string* bytes)
{
    const int units = static_cast<int>(length);
    BOOL usedDefaultChar = FALSE;
    const int size =
        WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text, units, nullptr, 0, nullptr, &usedDefaultChar);
    if (size <= 0 || usedDefaultChar)
        return false;
    bytes->assign(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text, units, &(*bytes)[0], size, nullptr, nullptr);
    return true;
}

bool EncodeExactly(char32_t codePoint, std::string* bytes)
{
    if (codePoint > 0xFFFF)
        return false;
    const wchar_t wide = static_cast<wchar_t>(codePoint);
    std::string converted;
    if (!ConvertExactly(&wide, 1, &converted))
        return false;
    *bytes += converted;
    return true;
}

std::u32string CodePoints(const wchar_t* text, size_t length)
{
    std::u32string codePoints;
    codePoints.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < length && IsLowSurrogate(text[i + 1])) {
            codePoints.push_back(0x10000 + ((char32_t{text[i]} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            codePoints.push_back(text[i]);
        }
    }
    return codePoints;
}

void AppendUtf16(const std::u32string& codePoints, std::wstring* text)
{
    for (char32_t c : codePoints) {
        if (c < 0x10000) {
            text->push_back(static_cast<wchar_t>(c));
        } else {
            text->push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            text->push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
}

// Appends a run of code page 932 bytes; a byte that is no valid character
// (half of a character the grid cut) becomes U+FFFD, as for every reader.
void AppendCodePage932(const std::string& text, size_t start, size_t end, std::wstring* converted)
{
    if (start == end)
        return;
    const int bytes = static_cast<int>(end - start);
    const int size = MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, &text[start], bytes, nullptr, 0);
    if (size > 0) {
        const size_t at = converted->size();
        converted->resize(at + static_cast<size_t>(size));
        MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, &text[start], bytes, &(*converted)[at], size);
        return;
    }
    for (size_t i = start; i < end;) {
        const size_t length = std::min(CharLength(text.data(), end, i), end - i);
        wchar_t wide[2];
        const int units = MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, &text[i], static_cast<int>(length),
                                              wide, 2);
        if (units == 1)
            converted->push_back(wide[0]);
        else
            converted->append(length, kReplacementCharacter);
        i += length;
    }
}

}  // namespace

std::string ToCodePage932(const wchar_t* text, size_t length)
{
    if (length == 0)
        return {};
    const int units = static_cast<int>(length);
    const int size = WideCharToMultiByte(kCodePage932, 0, text, units, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(kCodePage932, 0, text, units, &converted[0], size, nullptr, nullptr);
    return converted;
}

std::string ToEngineText(const wchar_t* text, size_t length)
{
    std::string converted;
    if (length == 0 || (!HasControlCharacters(text, length) && ConvertExactly(text, length, &converted)))
        return converted;
    return ToEngineBytes(CodePoints(text, length), EncodeExactly);
}

std::string ToShiftJisKeepingColumns(const std::wstring& text, size_t* replaced)
{
    *replaced = 0;
    std::string converted;
    if (ConvertExactly(text.data(), text.size(), &converted))
        return converted;
    const std::u32string codePoints = CodePoints(text.data(), text.size());
    for (size_t start = 0; start < codePoints.size();) {
        const size_t end = GraphemeEnd(codePoints, start);
        const std::u32string grapheme = codePoints.substr(start, end - start);
        std::string bytes;
        if (std::all_of(grapheme.begin(), grapheme.end(), [&](char32_t c) { return EncodeExactly(c, &bytes); })) {
            converted += bytes;
        } else {
            converted += ShiftJisReplacement(GraphemeCells(grapheme));
            ++*replaced;
        }
        start = end;
    }
    return converted;
}

std::wstring FromCodePage932(const std::string& text)
{
    if (text.empty())
        return {};
    const int bytes = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(kCodePage932, 0, text.data(), bytes, nullptr, 0);
    std::wstring converted(static_cast<size_t>(size > 0 ? size : 0), L'\0');
    MultiByteToWideChar(kCodePage932, 0, text.data(), bytes, &converted[0], size);
    return converted;
}

std::wstring FromEngineText(const std::string& text)
{
    std::wstring converted;
    size_t run = 0;  // start of the code page 932 bytes not yet converted
    const size_t end = HoldsForeignCharacters() ? text.size() : 0;  // else the text holds no placeholder
    for (size_t i = 0; i < end;) {
        size_t length = 0;
        const std::u32string* grapheme = ForeignCharacterAt(text, i, &length);
        if (!grapheme) {
            i += CharLength(text.data(), text.size(), i);
            continue;
        }
        AppendCodePage932(text, run, i, &converted);
        AppendUtf16(*grapheme, &converted);
        i += length;
        run = i;
    }
    AppendCodePage932(text, run, text.size(), &converted);
    return converted;
}
