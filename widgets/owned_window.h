// A window that its C++ owner destroys, unless the system has destroyed it
// already with its owner window.
#pragma once

#include "guards.h"

inline void DestroyWindowIfAlive(HWND window)
{
    if (IsWindow(window))
        DestroyWindow(window);
}

using OwnedWindow = Owned<HWND, DestroyWindowIfAlive>;
