// What qscap, the console tool with the program's own capture and layout,
// makes of a window: the text that the program's conversion of the same
// window must give, and the title and extents that the layout took from the
// same capture.
#pragma once

#include <windows.h>

#include <string>

struct QscapConversion {
    std::string text;   // Shift-JIS, CR LF
    std::string title;  // Shift-JIS
    int outputCols = 0;
    int outputRows = 0;
};

// Runs qscap on the window, then qslayout --info on qscap's capture dump;
// false after a test failure when either does not succeed.
[[nodiscard]] bool ConvertWithQscap(HWND window, QscapConversion* out);
