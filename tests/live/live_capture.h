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

// CaptureLive for a window that may hang or lie: prints how long the
// conversion took (as `what`) and fails the running test when that passes a
// bound that only a conversion that hangs reaches.
ConversionResult TimedCaptureLive(HWND window, const char* what, const CaptureGaps& expected = {});

// The lines of a conversion's text, without their CR LF ends.
std::vector<std::string> PictureLines(const std::string& text);
