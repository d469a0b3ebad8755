#include "text_encoding.h"

#include "code_page_932.h"

#include <windows.h>

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16LittleMark[] = "\xFF\xFE";
const char kUtf16BigMark[] = "\xFE\xFF";

bool StartsWith(const std::string& bytes, const char* mark)
{
    return bytes.compare(0, std::char_traits<char>::length(mark), mark) == 0;
}

unsigned Byte(const std::string& bytes, size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

// Strict UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool IsStrictUtf8(const std::string& bytes)
{
    for (size_t at = 0; at < bytes.size();) {
        const unsigned lead = Byte(bytes, at);
        size_t length;
        unsigned low = 0x80, high = 0xBF;  // the bounds of the second byte
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (at + length > bytes.size())
            return false;
        for (size_t i = 1; i < length; ++i) {
            const unsigned next = Byte(bytes, at + i);
            if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
                return false;
        }
        at += length;
    }
    return true;
}

bool HasNonAscii(const std::string& bytes)
{
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return true;
    }
    return false;
}

std::wstring FromUtf8(const char* bytes, size_t count)
{
    const int size = static_cast<int>(count);
    const int length = size > 0 ? MultiByteToWideChar(CP_UTF8, 0, bytes, size, nullptr, 0) : 0;
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes, size, &text[0], length);
    return text;
}

std::string ToUtf8(const std::wstring& text)
{
    const int units = static_cast<int>(text.size());
    const int size = units > 0 ? WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr) : 0;
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), units, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

std::wstring FromUtf16(const std::string& bytes, size_t start, bool bigEndian)
{
    std::wstring text;
    text.reserve((bytes.size() - start) / 2);
    for (size_t at = start; at + 1 < bytes.size(); at += 2) {
        const unsigned first = Byte(bytes, at), second = Byte(bytes, at + 1);
        text += static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

}  // namespace

TextEncoding DetectEncoding(const std::string& bytes)
{
    if (StartsWith(bytes, kUtf8Mark))
        return TextEncoding::Utf8;
    if (StartsWith(bytes, kUtf16LittleMark) || StartsWith(bytes, kUtf16BigMark))
        return TextEncoding::Utf16;
    if (HasNonAscii(bytes) && IsStrictUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::ShiftJis;
}

std::wstring DecodeText(const std::string& bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: {
        const size_t start = StartsWith(bytes, kUtf8Mark) ? 3 : 0;
        return FromUtf8(bytes.data() + start, bytes.size() - start);
    }
    case TextEncoding::Utf16: {
        const bool big = StartsWith(bytes, kUtf16BigMark);
        return FromUtf16(bytes, big || StartsWith(bytes, kUtf16LittleMark) ? 2 : 0, big);
    }
    case TextEncoding::ShiftJis:
        break;
    }
    return FromCodePage932(bytes);
}

std::string EncodeText(const std::wstring& text, TextEncoding encoding, bool* lost)
{
    if (lost)
        *lost = false;
    switch (encoding) {
    case TextEncoding::Utf8:
        return kUtf8Mark + ToUtf8(text);
    case TextEncoding::Utf16: {
        std::string bytes = kUtf16LittleMark;
        for (wchar_t unit : text) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        return bytes;
    }
    case TextEncoding::ShiftJis:
        break;
    }
    size_t replaced = 0;
    std::string bytes = ToShiftJisKeepingColumns(text, &replaced);
    if (lost)
        *lost = replaced > 0;
    return bytes;
}
