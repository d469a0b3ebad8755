#include "compaction.h"

#include "capture_state.h"
#include "rules.h"
#include "sjis.h"
#include "text_grid.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr char kFullWidthAmpersand[] = "＆";

// The last grid row that belongs to the drawing, never beyond the grid.
int LastRow(int64_t row)
{
    return static_cast<int>(std::min<int64_t>(row, TextGrid::kRows - 1));
}

bool IsRemoved(const TextGrid& grid, int row)
{
    return grid.Row(row)[0] == '\0';
}

bool IsVerticalRule(const char* c)
{
    return std::memcmp(c, Rule::kVertical, 2) == 0 || std::memcmp(c, HeavyRule::kVertical, 2) == 0;
}

// Nothing but white space and vertical rules up to the row's NUL.
bool IsBlankRowText(const char* row)
{
    size_t length = std::strlen(row);
    for (size_t i = 0; i < length;) {
        size_t n = CharLength(row, length, i);
        if (!(n == 1 && IsWhiteByte(row[i])) && !(n == 2 && IsVerticalRule(row + i)))
            return false;
        i += n;
    }
    return true;
}

// Is the pair of cells at column c used by a row?  Spaces and the
// horizontal rules that run across it don't count; in mode 'O' the outer
// frame's heavy rule doesn't either.
bool PairInUse(const TextGrid& grid, int64_t c, int firstRow, int lastRow, bool modeO)
{
    if (!TextGrid::Contains(0, c + 1))
        return false;
    for (int y = firstRow; y <= lastRow; ++y) {
        if (!modeO && IsRemoved(grid, y))
            continue;
        const char* cell = grid.Row(y) + c;
        if (cell[0] == ' ' && cell[1] == ' ')
            continue;
        if (std::memcmp(cell, Rule::kHorizontal, 2) == 0)
            continue;
        if (modeO && std::memcmp(cell, HeavyRule::kHorizontal, 2) == 0)
            continue;
        return true;
    }
    return false;
}

// Drops the bytes of the deleted pairs from the row's string.  A removed row
// keeps its marker NUL and is compacted like the others behind it.
void CompactRow(char* row, const std::vector<int64_t>& deleted)
{
    size_t end = std::strlen(row + 1) + 1;
    size_t out = 0;
    size_t next = 0;
    for (size_t in = 0; in < end; ++in) {
        while (next < deleted.size() && static_cast<size_t>(deleted[next]) + 1 < in)
            ++next;
        if (next < deleted.size() && (in == static_cast<size_t>(deleted[next]) ||
                                      in == static_cast<size_t>(deleted[next]) + 1))
            continue;
        row[out++] = row[in];
    }
    row[out] = '\0';
}

}  // namespace

void PrepareText(std::string& text)
{
    if (CutUnderLine == 0)
        return;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t n = CharLength(text.data(), text.size(), i);
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                i += 2;
            } else {
                i += 1;
            }
            continue;
        }
        if (n == 2 && text.compare(i, 2, kFullWidthAmpersand) == 0)
            out += '&';
        else
            out.append(text, i, n);
        i += n;
    }
    text.swap(out);
}

void RemoveBlankRows(TextGrid& grid)
{
    if (CaptureMode != 'K' && DelSpcLinFlg == 0)
        return;
    // In mode 'K' the row below the drawing is no frame edge and is examined too.
    int last = LastRow(CaptureMode == 'K' ? int64_t{GridRows} : int64_t{GridRows} - 1);
    for (int r = 0; r <= last; ++r)
        if (!IsRemoved(grid, r) && IsBlankRowText(grid.Row(r)))
            grid.Row(r)[0] = '\0';
}

void RemoveBlankColumns(TextGrid& grid)
{
    if (DelSpcColFlg == 0)
        return;
    bool modeO = CaptureMode != 'K';
    int firstRow = modeO ? 1 : 0;
    // In mode 'O' the lowest content row, a status bar's text, counts too.
    int lastRow = LastRow(int64_t{GridRows} - 1);

    // Deleting a pair shifts the following ones without changing them, so
    // every pair can be judged where it stands before anything moves.
    std::vector<int64_t> deleted;
    int64_t stop = int64_t{GridCols} - 1;
    int64_t c = modeO ? 2 : 0;
    for (; c < stop && c < TextGrid::kCols; c += 2)
        if (!PairInUse(grid, c, firstRow, lastRow, modeO))
            deleted.push_back(c);
    int64_t beyondGrid = c < stop ? (stop - c + 1) / 2 : 0;
    if (deleted.empty() && beyondGrid == 0)
        return;

    for (int r = 0; r <= LastRow(GridRows); ++r)
        if (modeO || !IsRemoved(grid, r))
            CompactRow(grid.Row(r), deleted);
    GridCols -= static_cast<int32_t>(2 * (static_cast<int64_t>(deleted.size()) + beyondGrid));
}
