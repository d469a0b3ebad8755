#include "text_grid.h"

#include <cstring>

TextGrid::TextGrid() : cells_(new char[static_cast<size_t>(kRows) * kRowBytes])
{
    Clear();
}

void TextGrid::Clear()
{
    for (int r = 0; r < kRows; ++r) {
        char* row = Row(r);
        std::memset(row, ' ', kCols);
        row[kCols] = '\0';
        row[kCols + 1] = '\0';
    }
}

void TextGrid::PutText(int64_t row, int64_t col, const char* bytes, size_t length)
{
    if (row < 0 || row >= kRows)
        return;
    for (size_t i = 0; i < length; ++i) {
        int64_t c = col + static_cast<int64_t>(i);
        if (c >= kCols)
            break;
        if (c >= 0)
            cells_[row * kRowBytes + c] = bytes[i];
    }
}

bool TextGrid::IsBlankSpan(int64_t row, int64_t col, int64_t length) const
{
    if (row < 0 || row >= kRows)
        return true;
    int64_t from = col < 0 ? 0 : col;
    int64_t to = col + length > kCols ? kCols : col + length;
    for (int64_t c = from; c < to; ++c)
        if (cells_[row * kRowBytes + c] != ' ')
            return false;
    return true;
}

bool TextGrid::IsBlankRow(int64_t row) const
{
    return IsBlankSpan(row, 0, kCols);
}

void TextGrid::ShiftRowRight(int row, int n)
{
    if (row < 0 || row >= kRows || n <= 0 || n >= kCols)
        return;
    char* cells = Row(row);
    std::memmove(cells + n, cells, kCols - n);
}
