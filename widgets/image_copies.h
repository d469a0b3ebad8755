// Grey and darker copies of the icon button's in image, for its out image.
#pragma once

#include <windows.h>

enum class Tint { Grey, Darker };

COLORREF Tinted(COLORREF colour, Tint tint);

// A copy twice the hot spot in each direction with the source's mask; null
// if the source cannot be read.
HICON MakeTintedIcon(HICON source, Tint tint);

// A copy in which pixels of the transparent colour stay as they are.
HBITMAP MakeTintedBitmap(HBITMAP source, SIZE size, COLORREF transparent, Tint tint);
