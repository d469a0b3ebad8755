// The character canvas of one conversion: 1000 rows of 800 cells.
//
// Every write goes through this class, which clips in one place: nothing is
// written outside rows 0..999 and columns 0..799, and byte 800 of each row
// stays NUL.  Reads outside the grid see byte 0, so a test for a particular
// byte there is false.
//
// The cells hold Shift-JIS: read from column 0, a lead byte and the byte
// after it are one character.  A write never leaves half of a character
// behind: the half it does not cover becomes a space.
#pragma once

#include "sjis.h"

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
        if (!PieceSplitsNothing(static_cast<int>(row), col, piece)) {
            PutText(row, col, piece, 2);
            return;
        }
        // Frames are drawn piece by piece: the common case stays a plain store.
        char* cell = &cells_[row * kRowBytes + col];
        cell[0] = piece[0];
        cell[1] = piece[1];
        knownStart_[row] = static_cast<int16_t>(col + 2);
    }

    // Writes the bytes that fall inside the grid.  A character of the grid
    // that the write covers only in part, and a character of the bytes that
    // lands only in part, leave spaces where their other halves were.
    void PutText(int64_t row, int64_t col, const char* bytes, size_t length);

    // Ends the row with a NUL at col, a cut character losing its first half.
    void CutRow(int row, int64_t col);

    // True when the cells col..col+length-1 of the row that lie inside the
    // grid all hold spaces.
    bool IsBlankSpan(int64_t row, int64_t col, int64_t length) const;

    // True when all 800 cells of the row hold spaces; rows outside count as blank.
    bool IsBlankRow(int64_t row) const;

    // Moves the row's cells n columns to the right; cells passing column 799
    // are dropped and columns 0..n-1 keep their bytes.  A character whose
    // halves the move parts, at either end, leaves a space for its first half.
    void ShiftRowRight(int row, int n);

    // Row access for the compaction steps, which treat rows as C strings.
    // They come after the drawing: writes through it bypass the repair.
    char* Row(int row) { return &cells_[static_cast<size_t>(row) * kRowBytes]; }
    const char* Row(int row) const { return &cells_[static_cast<size_t>(row) * kRowBytes]; }

private:
    // The piece is one whole character or two single bytes, and so are the
    // two cells it covers.
    bool PieceSplitsNothing(int row, int64_t col, const char* piece) const
    {
        const char* cell = &cells_[row * kRowBytes + col];
        auto lead = [](char c) { return IsLeadByte(static_cast<unsigned char>(c)); };
        bool startsAtCol = col == 0 || col == knownStart_[row] || !lead(cell[-1]);
        return startsAtCol && (lead(cell[0]) || !lead(cell[1])) && (lead(piece[0]) || !lead(piece[1]));
    }

    bool BeginsCharacterAt(int row, int64_t col) const;
    // The first half of a two-byte character stands at (row, col).
    bool BeginsPairAt(int row, int64_t col) const;

    std::unique_ptr<char[]> cells_;
    // Per row, a column where a character is known to begin: the end of the
    // row's last write, which the repair always leaves on a boundary.  Finding
    // a boundary scans back no further, so a rule drawn piece by piece from
    // left to right (a run of lead bytes) costs no more than its pieces.
    std::unique_ptr<int16_t[]> knownStart_;
};
