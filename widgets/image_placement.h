// Where the icon button puts its image and its caption inside the item
// rectangle.
#pragma once

#include <windows.h>

enum ImagePlacement : int {
    kImageLeft = 0,   // image left of the caption
    kImageAbove = 1,  // image above the caption
    kImageRight = 2,  // image right of the caption
    kImageAtOrigin = 3,  // image at the top-left corner, caption over the whole button
};

struct ImageLayout {
    RECT image;    // the image's rectangle, its size that of the image
    RECT caption;  // the area the caption is centred in
};

// `shift` moves the image at the end (the press offset, or zero).
ImageLayout PlaceImage(const RECT& item, SIZE image, bool hasCaption, int placement, POINT margin, POINT shift);
