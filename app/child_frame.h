// The frame of one output document: sized to the picture it shows.
#pragma once

#include "mdi_child.h"

#include <windows.h>

#include <cstdint>

// The size of a new child frame for a picture of `cols` x `rows` cells,
// held within the main frame's client area less 64 pixels at the bottom.
SIZE ChildFrameSize(int32_t cols, int32_t rows, const RECT& mainClient);

class CChildFrame : public MdiChildWindow {
protected:
    void PreCreateWindow(SIZE* size) override;
};
