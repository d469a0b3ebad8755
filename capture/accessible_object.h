// What the accessibility tree (MSAA) of a window told about its objects, as
// plain data: read on a thread of its own, turned into records on the
// capturing thread.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One accessible object, with only the properties that its role needs (the
// others stay empty); children follow their parent, one depth deeper.
struct AccessibleObject {
    long role = 0;         // ROLE_SYSTEM_*
    long state = 0;        // STATE_SYSTEM_*
    RECT screen{};         // accLocation, in screen pixels
    std::wstring name;
    std::wstring value;
    int depth = 0;         // 0 for the window's client object
};

struct AccessibleTree {
    std::vector<AccessibleObject> objects;  // depth first, parents before children
    bool outOfBounds = false;   // counts, nesting, loops or rectangles no honest tree has
    bool unanswered = false;    // a call did not return in time; the rest is missing
    bool full = false;          // the item table's worth of objects was read; the rest is missing
};
