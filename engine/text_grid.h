// The character canvas of one conversion: 1000 rows of 800 cells.
//
// Every write goes through this class, which clips in one place: nothing is
// written outside rows 0..999 and columns 0..799, and byte 800 of each row
// stays NUL.  Reads outside the grid see byte 0, so a test for a particular
// byte there is false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class TextGrid {
public:
    static constexpr int kRows = 1000;
    static constexpr int kCols = 800;
    static constexpr int kRowBytes = 802;

    TextGrid();

    // Every cell a space, byte 800 of every row NUL.
    void Clear();

    static bool Contains(int64_t row, int64_t col)
    {
        return row >= 0 && row < kRows && col >= 0 && col < kCols;
    }

    unsigned char ByteAt(int64_t row, int64_t col) const
    {
        return Contains(row, col) ? static_cast<unsigned char>(cells_[row * kRowBytes + col]) : 0;
    }

    static bool ContainsPiece(int64_t row, int64_t col)
    {
        return row >= 0 && row < kRows && col >= 0 && col + 1 < kCols;
    }

    // True when the two bytes at (row, col) are the two-byte piece; false when
    // either lies outside the grid.
    bool HoldsPiece(int64_t row, int64_t col, const char* piece) const
    {
        if (!ContainsPiece(row, col))
            return false;
        const char* cell = &cells_[row * kRowBytes + col];
        return cell[0] == piece[0] && cell[1] == piece[1];
    }

    // Writes a two-byte piece only when both of its cells are inside.
    void PutPiece(int64_t row, int64_t col, const char* piece)
    {
        if (!ContainsPiece(row, col))
            return;
        char* cell = &cells_[row * kRowBytes + col];
        cell[0] = piece[0];
        cell[1] = piece[1];
    }

    // Writes bytes one by one, dropping those outside the grid.
    void PutText(int64_t row, int64_t col, const char* bytes, size_t length);

    // True when the cells col..col+length-1 of the row that lie inside the
    // grid all hold spaces.
    bool IsBlankSpan(int64_t row, int64_t col, int64_t length) const;

    // True when all 800 cells of the row hold spaces; rows outside count as blank.
    bool IsBlankRow(int64_t row) const;

    // Moves the row's cells n columns to the right; cells passing column 799
    // are dropped and columns 0..n-1 keep their bytes.
    void ShiftRowRight(int row, int n);

    // Row access for the compaction steps, which treat rows as C strings.
    char* Row(int row) { return &cells_[static_cast<size_t>(row) * kRowBytes]; }
    const char* Row(int row) const { return &cells_[static_cast<size_t>(row) * kRowBytes]; }

private:
    std::unique_ptr<char[]> cells_;
};
