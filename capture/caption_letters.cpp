#include "caption_letters.h"

namespace {

constexpr LONG kContextHelpStyle = 0x2000;  // DS_CONTEXTHELP

}  // namespace

std::string CaptionLetters(HWND window)
{
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    std::string letters;
    if (style & kContextHelpStyle)
        letters += "？";
    if (style & WS_MINIMIZEBOX)
        letters += "＿";
    if (style & WS_MAXIMIZEBOX)
        letters += "□";
    if ((style & WS_CAPTION) == WS_CAPTION)
        letters += "Ｘ";
    return letters;
}
