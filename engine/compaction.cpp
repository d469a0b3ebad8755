#include "compaction.h"

#include "capture_state.h"
#include "rules.h"
#include "sjis.h"
#include "text_grid.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr char kFullWidthAmpersand[] = "\x81\x95";  // ＆

// The last grid row that belongs to the drawing, never beyond the grid.
int LastRow(int64_t row)
{
    return static_cast<int>(std::min<int64_t>(row, TextGrid::kRows - 1));
}

bool IsRemoved(const TextGrid& grid, int row)
{
    return grid.Row(row)[0] == '\0';
}

bool IsPiece(const char* cell, const char* piece)
{
    return cell[0] == piece[0] && cell[1] == piece[1];
}

// Nothing but white space and vertical rules up to the row's NUL.  Any
// other lead byte is content, so a rule is only ever matched whole.
bool IsBlankRowText(const char* text)
{
    uint64_t spaces;
    std::memset(&spaces, ' ', sizeof spaces);
    const char* end = text + std::strlen(text);
    for (const char* c = text; c < end;) {
        uint64_t eight;
        if (end - c >= 8 && (std::memcpy(&eight, c, 8), eight == spaces))
            c += 8;
        else if (IsWhiteByte(*c))
            c += 1;
        else if (end - c >= 2 && (IsPiece(c, Rule::kVertical) || IsPiece(c, HeavyRule::kVertical)))
            c += 2;
        else
            return false;
    }
    return true;
}

// Which of the pairs of cells from column `first` on some examined row uses.
// Spaces and horizontal rules running across a pair don't count; in mode 'O'
// neither does the outer frame's heavy rule.  Rows are scanned one after the
// other with a loop the compiler can vectorise.
std::vector<unsigned char> FindPairsInUse(const TextGrid& grid, int first, int pairs, int firstRow, int lastRow,
                                          bool modeO)
{
    auto pieceValue = [](const char* piece) {
        return static_cast<uint16_t>(static_cast<unsigned char>(piece[0]) << 8 | static_cast<unsigned char>(piece[1]));
    };
    const uint16_t blank = pieceValue("  ");
    const uint16_t thin = pieceValue(Rule::kHorizontal);
    const uint16_t heavy = modeO ? pieceValue(HeavyRule::kHorizontal) : blank;
    std::vector<unsigned char> used(static_cast<size_t>(pairs), 0);
    for (int y = firstRow; y <= lastRow; ++y) {
        if (!modeO && IsRemoved(grid, y))
            continue;
        const unsigned char* cells = reinterpret_cast<const unsigned char*>(grid.Row(y)) + first;
        for (int k = 0; k < pairs; ++k) {
            uint16_t cell = static_cast<uint16_t>(cells[2 * k] << 8 | cells[2 * k + 1]);
            used[k] |= cell != blank && cell != thin && cell != heavy;
        }
    }
    return used;
}

// A row's bytes in the runs of columns that stay.
struct KeptRun {
    size_t from, length;
};

// Moves the row's kept bytes to its front.  A removed row keeps its marker
// NUL and is compacted like the others behind it.
void CompactRow(char* row, const std::vector<KeptRun>& kept)
{
    size_t end = std::strlen(row + 1) + 1;
    size_t out = 0;
    for (const KeptRun& run : kept) {
        if (run.from >= end)
            break;
        size_t length = std::min(run.length, end - run.from);
        std::memmove(row + out, row + run.from, length);
        out += length;
    }
    row[out] = '\0';
}

}  // namespace

void PrepareText(std::string& text)
{
    if (CutUnderLine == 0)
        return;
    // Most texts hold neither kind of ampersand: leave them as they are.
    if (text.find('&') == std::string::npos && text.find(kFullWidthAmpersand) == std::string::npos)
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
    // every pair can be judged where it stands before anything moves.  Pairs
    // beyond the grid hold nothing.
    int first = modeO ? 2 : 0;
    int64_t stop = int64_t{GridCols} - 1;
    int64_t pairs = stop > first ? (stop - first + 1) / 2 : 0;
    int pairsInGrid = static_cast<int>(std::min<int64_t>(pairs, (TextGrid::kCols - first) / 2));
    std::vector<unsigned char> used = FindPairsInUse(grid, first, pairsInGrid, firstRow, lastRow, modeO);

    std::vector<KeptRun> kept;
    size_t runStart = 0;
    int64_t deleted = pairs - pairsInGrid;
    for (int k = 0; k < pairsInGrid; ++k) {
        if (used[k])
            continue;
        size_t column = static_cast<size_t>(first + 2 * k);
        if (column > runStart)
            kept.push_back({runStart, column - runStart});
        runStart = column + 2;
        ++deleted;
    }
    if (deleted == 0)
        return;
    kept.push_back({runStart, TextGrid::kRowBytes - runStart});

    for (int r = 0; r <= LastRow(GridRows); ++r)
        if (modeO || !IsRemoved(grid, r))
            CompactRow(grid.Row(r), kept);
    GridCols -= static_cast<int32_t>(2 * deleted);
}
