#include "image_placement.h"

namespace {

int Centred(LONG start, LONG end, LONG size)
{
    return start + (end - start - size) / 2;
}

}  // namespace

ImageLayout PlaceImage(const RECT& item, SIZE image, bool hasCaption, int placement, POINT margin, POINT shift)
{
    ImageLayout layout{item, item};
    POINT origin{item.left, item.top};
    switch (placement) {
    case kImageLeft:
        origin.y = Centred(item.top, item.bottom, image.cy);
        if (hasCaption) {
            origin.x += margin.x;
            layout.caption.left = origin.x + image.cx;
        } else {
            origin.x = Centred(item.left, item.right, image.cx);
        }
        break;
    case kImageAbove:
        origin.x = Centred(item.left, item.right, image.cx);
        if (hasCaption) {
            origin.y += margin.y;
            layout.caption.top = origin.y + image.cy;
        } else {
            origin.y = Centred(item.top, item.bottom, image.cy);
        }
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
