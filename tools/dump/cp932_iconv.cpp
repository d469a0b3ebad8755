// Pair conversion through the C library's iconv, for the native build.
#include "cp932_pair.h"

#include <iconv.h>

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

iconv_t ToUtf32()
{
    static const iconv_t converter = iconv_open("UTF-32LE", "CP932");
    return converter;
}

iconv_t FromUtf32()
{
    static const iconv_t converter = iconv_open("CP932", "UTF-32LE");
    return converter;
}

// Converts all of `in` or nothing; returns the number of bytes written to
// `out`, or -1.
long ConvertWhole(iconv_t converter, const char* in, size_t inSize, char* out, size_t outSize)
{
    if (converter == kNoConverter)
        return -1;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* inPos = const_cast<char*>(in);
    char* outPos = out;
    size_t outLeft = outSize;
    if (iconv(converter, &inPos, &inSize, &outPos, &outLeft) == static_cast<size_t>(-1) || inSize != 0)
        return -1;
    return static_cast<long>(outSize - outLeft);
}

}  // namespace

bool DecodeCp932Pair(unsigned char lead, unsigned char trail, char32_t* codePoint)
{
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    unsigned char utf32[8];
    if (ConvertWhole(ToUtf32(), pair, 2, reinterpret_cast<char*>(utf32), sizeof utf32) != 4)
        return false;
    *codePoint = utf32[0] | utf32[1] << 8 | utf32[2] << 16 | static_cast<char32_t>(utf32[3]) << 24;
    return true;
}

bool EncodeCp932Char(char32_t codePoint, std::string* bytes)
{
    const char utf32[4] = {
        static_cast<char>(codePoint & 0xFF),
        static_cast<char>(codePoint >> 8 & 0xFF),
        static_cast<char>(codePoint >> 16 & 0xFF),
        static_cast<char>(codePoint >> 24 & 0xFF),
    };
    char out[8];
    const long size = ConvertWhole(FromUtf32(), utf32, sizeof utf32, out, sizeof out);
    if (size <= 0)
        return false;
    bytes->assign(out, static_cast<size_t>(size));
    return true;
}
