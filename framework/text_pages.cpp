#include "text_pages.h"

#include <algorithm>

namespace {

// The edit view's tab stops: one every 32 dialog units, eight average characters.
constexpr int kTabColumns = 8;

bool IsHighSurrogate(wchar_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Wide by East Asian width, roughly: everything from the Hangul jamo on,
// but the half-width forms; a surrogate pair stands for a wide character.
bool IsWide(wchar_t character)
{
    return character >= 0x1100 && !(character >= 0xFF61 && character <= 0xFFDC) &&
           !(character >= 0xFFE8 && character <= 0xFFEE);
}

}  // namespace

int CellsOf(wchar_t character)
{
    if (IsLowSurrogate(character))
        return 0;
    char bytes[2];
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &character, 1, bytes, sizeof bytes, nullptr, &lost);
    if (length > 0 && !lost)
        return length;
    return IsWide(character) ? 2 : 1;
}

std::vector<std::wstring> SplitLines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        size_t cut = end;
        if (cut > start && text[cut - 1] == L'\r')
            --cut;
        lines.push_back(text.substr(start, cut - start));
        start = end + 1;
    }
    return lines;
}

std::wstring ExpandTabs(const std::wstring& line, int tabColumns)
{
    std::wstring expanded;
    int cells = 0;
    for (wchar_t c : line) {
        if (c != L'\t') {
            expanded += c;
            cells += CellsOf(c);
            continue;
        }
        do
            expanded += L' ';
        while (++cells % tabColumns != 0);
    }
    return expanded;
}

std::wstring FitToColumns(const std::wstring& line, int columns)
{
    size_t fit = 0;
    int used = 0;
    while (fit < line.size()) {
        // A surrogate pair stays whole.
        const size_t units = IsHighSurrogate(line[fit]) && fit + 1 < line.size() ? 2 : 1;
        const int cells = CellsOf(line[fit]);
        if (used + cells > columns)
            break;
        used += cells;
        fit += units;
    }
    return line.substr(0, fit);
}

TextPages::TextPages(const std::wstring& text, int lineHeight, int cellWidth, SIZE area)
    : lines_(SplitLines(text)),
      lineHeight_(std::max(lineHeight, 1)),
      cellWidth_(std::max(cellWidth, 1)),
      linesPerPage_(std::max<int>(area.cy / lineHeight_, 1)),
      columns_(area.cx / cellWidth_)
{
}

UINT TextPages::PageCount() const
{
    const size_t perPage = static_cast<size_t>(linesPerPage_);
    return static_cast<UINT>(std::max<size_t>((lines_.size() + perPage - 1) / perPage, 1));
}

std::vector<std::wstring> TextPages::LinesOf(UINT page) const
{
    std::vector<std::wstring> lines;
    if (page < 1)
        return lines;
    const size_t first = static_cast<size_t>(page - 1) * static_cast<size_t>(linesPerPage_);
    const size_t last = std::min(first + static_cast<size_t>(linesPerPage_), lines_.size());
    for (size_t i = first; i < last; ++i)
        lines.push_back(FitToColumns(ExpandTabs(lines_[i], kTabColumns), columns_));
    return lines;
}

// Each character advances its cells, so that the characters keep to the
// grid of the picture whatever widths the device's glyphs have.
bool TextPages::Draw(HDC dc, UINT page, POINT origin) const
{
    bool drawn = true;
    int y = origin.y;
    std::vector<INT> advances;
    for (const std::wstring& line : LinesOf(page)) {
        advances.clear();
        for (wchar_t character : line)
            advances.push_back(CellsOf(character) * cellWidth_);
        if (!line.empty() && !ExtTextOutW(dc, origin.x, y, 0, nullptr, line.data(),
                                          static_cast<UINT>(line.size()), advances.data()))
            drawn = false;
        y += lineHeight_;
    }
    return drawn;
}
