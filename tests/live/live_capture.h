// Conversions of live windows as the program makes them with its default
// options, and what the tests need to take them apart.
#pragma once

#include "conversion.h"

#include <windows.h>

#include <string>
#include <vector>

// Converts the window with the default option flags; a conversion that
// reports anything, or whose gaps are not `expected`, fails the running test.
ConversionResult CaptureLive(HWND window, const CaptureGaps& expected = {});

// The lines of a conversion's text, without their CR LF ends.
std::vector<std::string> PictureLines(const std::string& text);

// The text in UTF-8; bytes that are not Shift-JIS characters come out as
// U+F700 + byte, so that no difference is lost.
std::string PictureUtf8(const std::string& cp932);
