#include "text_grid.h"

#include "sjis.h"

#include <algorithm>
#include <cstring>

namespace {

// Reading the bytes from their own start, a character that lands only in
// part (clipped at either end, or a lead byte as the last byte) is blanked
// where it landed.
void BlankPartlyLandedCharacters(char* cells, int64_t col, const char* bytes, size_t length, int64_t from,
                                 int64_t to)
{
    for (size_t i = 0; i < length && col + static_cast<int64_t>(i) < to;) {
        size_t n = IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        int64_t first = col + static_cast<int64_t>(i);
        int64_t last = first + static_cast<int64_t>(n);
        if (n == 2 && (first < from || last > to))
            for (int64_t c = std::max(first, from); c < std::min(last, to); ++c)
                cells[c] = ' ';
        i += n;
    }
}

// Walking the row's characters from the boundary `start`, the first boundary
// at or after `col`.
int64_t FirstBoundaryFrom(const char* cells, int64_t start, int64_t col)
{
    int64_t at = start;
    while (at < col)
        at += IsLeadByte(static_cast<unsigned char>(cells[at])) && at + 1 < TextGrid::kCols ? 2 : 1;
    return at;
}

}  // namespace

TextGrid::TextGrid()
    : cells_(new char[static_cast<size_t>(kRows) * kRowBytes]), knownStart_(new int16_t[kRows])
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
    std::fill(knownStart_.get(), knownStart_.get() + kRows, int16_t{0});
}

// Reading from column 0, a character begins right after a byte that is not a
// lead byte, and at the known start: only the lead bytes between decide.
bool TextGrid::BeginsCharacterAt(int row, int64_t col) const
{
    const char* cells = Row(row);
    int64_t bound = knownStart_[row] <= col ? knownStart_[row] : 0;
    int64_t from = col;
    while (from > bound && IsLeadByte(static_cast<unsigned char>(cells[from - 1])))
        --from;
    return (col - from) % 2 == 0;
}

bool TextGrid::BeginsPairAt(int row, int64_t col) const
{
    return col + 1 < kCols && IsLeadByte(ByteAt(row, col)) && BeginsCharacterAt(row, col);
}

void TextGrid::PutText(int64_t row, int64_t col, const char* bytes, size_t length)
{
    if (row < 0 || row >= kRows)
        return;
    int64_t from = std::max<int64_t>(col, 0);
    int64_t to = std::min<int64_t>(col + static_cast<int64_t>(length), kCols);
    if (from >= to)
        return;
    int r = static_cast<int>(row);
    char* cells = Row(r);
    // Where the grid's characters begin is noted before the bytes change it.
    bool splitsBefore = !BeginsCharacterAt(r, from);
    bool splitsAfter = FirstBoundaryFrom(cells, splitsBefore ? from + 1 : from, to) > to;
    std::memcpy(cells + from, bytes + (from - col), static_cast<size_t>(to - from));
    if (splitsBefore)
        cells[from - 1] = ' ';
    if (splitsAfter)
        cells[to] = ' ';
    BlankPartlyLandedCharacters(cells, col, bytes, length, from, to);
    knownStart_[r] = static_cast<int16_t>(to < kCols ? to : from);
}

void TextGrid::CutRow(int row, int64_t col)
{
    static const char kEnd = '\0';
    PutText(row, col, &kEnd, 1);
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
    bool pushedOut = BeginsPairAt(row, kCols - 1 - n);
    bool partedFromKept = BeginsPairAt(row, n - 1);
    std::memmove(cells + n, cells, kCols - n);
    if (pushedOut)
        cells[kCols - 1] = ' ';
    if (partedFromKept)
        cells[n - 1] = ' ';
    knownStart_[row] = 0;
}
