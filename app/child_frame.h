// The frame of one output document: sized to the picture it shows.
#pragma once

#include "mdi_child.h"

#include <windows.h>

#include <cstdint>
#include <string>

// The size of a new child frame for a picture of `cols` x `rows` cells,
// held within the main frame's client area less 64 pixels at the bottom.
SIZE ChildFrameSize(int32_t cols, int32_t rows, const RECT& mainClient);

class CChildFrame : public MdiChildWindow {
public:
    // Sizes the frame for `text` as for a conversion's picture: a cell for
    // each byte of its longest line, a row for each line.
    void FitText(const std::wstring& text);

protected:
    void PreCreateWindow(SIZE* size) override;
};
