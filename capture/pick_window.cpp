#include "pick_window.h"

#include <cstdint>

namespace {

bool HoldsPoint(const RECT& rect, POINT point)
{
    return rect.left <= point.x && point.x <= rect.right && rect.top <= point.y && point.y <= rect.bottom;
}

int64_t Area(const RECT& rect)
{
    return int64_t{rect.right - rect.left} * (rect.bottom - rect.top);
}

// Of the siblings of `child` (itself included) that hold the point, the
// smallest; the first one found when none is smaller than the full screen.
HWND SmallestSiblingAt(HWND child, POINT point)
{
    HWND first = nullptr;
    HWND smallest = nullptr;
    int64_t smallestArea = int64_t{GetSystemMetrics(SM_CXFULLSCREEN)} * GetSystemMetrics(SM_CYFULLSCREEN);
    for (HWND sibling = GetWindow(child, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(sibling, &rect);
        if (!HoldsPoint(rect, point))
            continue;
        if (!first)
            first = sibling;
        if (Area(rect) < smallestArea) {
            smallest = sibling;
            smallestArea = Area(rect);
        }
    }
    return smallest ? smallest : first;
}

}  // namespace

HWND PickWindowAt(POINT screenPoint)
{
    HWND window = WindowFromPoint(screenPoint);
    if (!window)
        return nullptr;
    POINT clientPoint = screenPoint;
    ScreenToClient(window, &clientPoint);
    HWND child = ChildWindowFromPointEx(window, clientPoint, CWP_ALL);
    if (!child)
        return window;
    if (!IsChild(GetParent(child), child))
        return child;
    return SmallestSiblingAt(child, screenPoint);
}
