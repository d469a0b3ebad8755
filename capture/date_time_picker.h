// The extractor for date-time pickers.
#pragma once

#include <windows.h>

// A framed record with the control's date and time in Japanese notation,
// such as "2021年3月5日14時7分9秒", whatever the control's own format.
void CaptureDateTimePicker(HWND hwnd);
