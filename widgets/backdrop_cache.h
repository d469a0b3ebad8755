// The parent's pixels under a control, kept so that the control can paint
// them as its background without asking the parent each time.
#pragma once

#include "guards.h"

#include <windows.h>

class BackdropCache {
public:
    BackdropCache() = default;
    ~BackdropCache() { Discard(); }
    BackdropCache(const BackdropCache&) = delete;
    BackdropCache& operator=(const BackdropCache&) = delete;

    bool Holds() const { return static_cast<bool>(dc_); }

    // Copies `area` of `source` (which holds the parent's client area);
    // false if the copy could not be made, leaving the cache empty.
    bool Take(HDC source, const RECT& area);

    // Paints the kept pixels into `rect` of `target`.
    void Paint(HDC target, const RECT& rect) const;

    void Discard();

private:
    OwnedBitmap bitmap_;
    OwnedMemoryDC dc_;
    HGDIOBJ previous_ = nullptr;
};
