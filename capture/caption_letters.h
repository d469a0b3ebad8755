// The caption-button marks of a window, as its style shows them.
#pragma once

#include <windows.h>

#include <string>

// "？" (context help), "＿" (minimise), "□" (maximise) and "Ｘ" (close, for
// a window with a caption), in that order, for the buttons the style has.
std::string CaptionLetters(HWND window);
