// Small arithmetic shared by the drawing steps.
#pragma once

#include "text_grid.h"

#include <cstdint>

// Extents are kept far below the 32-bit limit so that the fixed additions
// of the pipeline can never overflow, whatever a capture reports.
constexpr int64_t kExtentLimit = int64_t{1} << 30;

inline void RaiseTo(int32_t& extent, int64_t value)
{
    if (value > kExtentLimit)
        value = kExtentLimit;
    if (value > extent)
        extent = static_cast<int32_t>(value);
}

// The column that ends the run x0, x0 + 2, ... while x < end.
inline int64_t EndOfPairRun(int64_t x0, int64_t end)
{
    return end <= x0 ? x0 : x0 + (end - x0 + 1) / 2 * 2;
}

// Calls f(x) for x = x0, x0 + 2, ... while x < end, skipping the columns
// that cannot touch the grid; returns the column that ends the run.
template <class F>
int64_t ForEachPairColumn(int64_t x0, int64_t end, F f)
{
    int64_t stop = EndOfPairRun(x0, end);
    int64_t x = x0;
    if (x < -2)
        x += (-2 - x) / 2 * 2;
    for (; x < stop && x < TextGrid::kCols; x += 2)
        f(x);
    return stop;
}

// Calls f(y) for y = from .. to - 1, limited to the grid's rows.
template <class F>
void ForEachGridRow(int64_t from, int64_t to, F f)
{
    for (int64_t y = from < 0 ? 0 : from; y < to && y < TextGrid::kRows; ++y)
        f(y);
}
