// Pair conversion through the system's code page tables, for the Windows
// build.
#include "cp932_pair.h"

#include <windows.h>

namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

bool DecodeCp932Pair(unsigned char lead, unsigned char trail, char32_t* codePoint)
{
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    wchar_t wide[2];
    if (MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) != 1)
        return false;
    *codePoint = static_cast<char16_t>(wide[0]);
    return true;
}

bool EncodeCp932Char(char32_t codePoint, std::string* bytes)
{
    if (codePoint > 0xFFFF)
        return false;  // code page 932 has nothing outside the basic plane
    const wchar_t wide = static_cast<wchar_t>(codePoint);
    char out[4];
    BOOL usedDefaultChar = FALSE;
    const int size = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, &wide, 1, out, sizeof out,
                                         nullptr, &usedDefaultChar);
    if (size <= 0 || usedDefaultChar)
        return false;
    bytes->assign(out, static_cast<size_t>(size));
    return true;
}
