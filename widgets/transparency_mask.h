// The mask that lets an image's transparent colour show the background.
#pragma once

#include <windows.h>

// A monochrome bitmap of the image's size, white where the image has the
// transparent colour; those pixels of the image become black, so that the
// mask drawn with AND and the image with OR leave the background there.
// Null if the mask cannot be made.
HBITMAP MakeTransparencyMask(HBITMAP image, SIZE size, COLORREF transparent);
