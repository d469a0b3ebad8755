// A capture dump holds what the layout engine needs from one capture, so
// that a capture can be laid out again without the window it came from.
// On disk it is UTF-8 JSON; in memory the texts are code page 932 bytes, as
// in the item table, with placeholders for what code page 932 lacks.
#pragma once

#include "capture_state.h"

#include <cstdint>
#include <string>
#include <vector>

extern const char kCaptureDumpFormat[];  // the value of the "format" field

struct CaptureDump {
    char captureMode = 'O';
    int32_t delSpcLinFlg = 1;
    int32_t delSpcColFlg = 1;
    int32_t cutUnderLine = 1;
    int32_t noMuitiLine = 0;
    char statusBarSeen = 'N';
    int32_t listRowCount = 0;
    // The display scale of the captured window. The rectangles are already
    // in 96-DPI pixels, as the layout counts them; dumps from before scaled
    // capture lack the field and were taken at 96.
    int32_t dpi = 96;
    std::vector<CaptureItem> items;
};

// Copies records 0 to ItemCount - 1 and the capture state out of the globals,
// with the DPI the capture was scaled from.
CaptureDump TakeCaptureDump(int32_t dpi = 96);

// Resets the capture state and puts the dump into the globals, ready for
// LayOutItems().  Records beyond the item limit are left out.
void LoadCaptureDump(const CaptureDump& dump);

// Pretty JSON, one record per line.  Bytes that are not valid Shift-JIS are
// kept as U+F700 + byte.  A text holding a NUL byte, which capture never
// produces, is written as \u0000 and refused when read.
std::string FormatCaptureDump(const CaptureDump& dump);

// Strict reading, into a new table of foreign characters: unknown keys, wrong types and values out of range are
// errors.  On failure *error names the place, e.g.
// "items[3].rect[2]: not a 32-bit integer", and *out is unspecified.
bool ParseCaptureDump(const std::string& json, CaptureDump* out, std::string* error);
