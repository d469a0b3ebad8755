// Rectangles are read in physical pixels, and the layout counts 5 x 7 pixels
// to a cell at 96 DPI. A capture maps what it reads onto 96-DPI pixels, so
// that a window gives the same picture at any display scale.
#pragma once

#include "capture_state.h"

#include <windows.h>

constexpr int kLayoutDpi = 96;
// Asks ConvertWindow to measure the DPI of the captured window.
constexpr int kMeasuredDpi = 0;

// The DPI of `window`: that of its monitor where the system tells
// (GetDpiForWindow), else the system DPI.
int WindowDpi(HWND window);

// Starts the scale of one capture: `dpi` pixels to the inch, measured from
// the top-level window's outer top-left corner, so that the picture does not
// depend on where the window stands on the screen.
void BeginCaptureScale(HWND topLevel, int dpi);

// The DPI of the running (or last) capture.
int CaptureDpi();

// A screen rectangle in physical pixels, as the layout counts it.
ItemRect ToLayoutPixels(const RECT& screen);
