#include "image_placement.h"

namespace {

LONG Centred(LONG start, LONG end, LONG size)
{
    return start + (end - start - size) / 2;
}

// Along the axis on which the image comes first: with a caption the image
// stands after the margin and the caption starts after the image; without
// one the image is centred.
LONG Leading(LONG start, LONG end, LONG size, LONG margin, bool hasCaption, LONG* captionStart)
{
    if (!hasCaption)
        return Centred(start, end, size);
    *captionStart = start + margin + size;
    return start + margin;
}

}  // namespace

ImageLayout PlaceImage(const RECT& item, SIZE image, bool hasCaption, int placement, POINT margin, POINT shift)
{
    ImageLayout layout{item, item};
    POINT origin{item.left, item.top};
    switch (placement) {
    case kImageLeft:
        origin.x = Leading(item.left, item.right, image.cx, margin.x, hasCaption, &layout.caption.left);
        origin.y = Centred(item.top, item.bottom, image.cy);
        break;
    case kImageAbove:
        origin.x = Centred(item.left, item.right, image.cx);
        origin.y = Leading(item.top, item.bottom, image.cy, margin.y, hasCaption, &layout.caption.top);
        break;
    case kImageRight:
        if (hasCaption) {
            layout.caption.left = item.left + margin.x;
            layout.caption.right = item.right - image.cx - margin.x;
            origin.x = item.right - image.cx - margin.x;
            origin.y = Centred(item.top, item.bottom, image.cy);
        } else {
            origin.x = Centred(item.left, item.right, image.cx);
        }
        break;
    default:
        break;
    }
    layout.image = {origin.x + shift.x, origin.y + shift.y, origin.x + shift.x + image.cx,
                    origin.y + shift.y + image.cy};
    return layout;
}
