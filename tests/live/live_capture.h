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
