#include "text_pages.h"

#include <algorithm>

namespace {

// The edit view's tab stops: one every 32 dialog units, eight average characters.
constexpr int kTabColumns = 8;

}  // namespace

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        size_t cut = end;
        if (cut > start && text[cut - 1] == '\r')
            --cut;
        lines.push_back(text.substr(start, cut - start));
        start = end + 1;
    }
    return lines;
}

std::string ExpandTabs(const std::string& line, int tabColumns)
{
    std::string expanded;
    for (char c : line) {
        if (c != '\t') {
            expanded += c;
            continue;
        }
        do
            expanded += ' ';
        while (expanded.size() % static_cast<size_t>(tabColumns) != 0);
    }
    return expanded;
}

std::string FitToColumns(const std::string& line, int columns)
{
    size_t fit = 0;
    while (fit < line.size()) {
        const size_t width = IsDBCSLeadByte(static_cast<BYTE>(line[fit])) && fit + 1 < line.size() ? 2 : 1;
        if (fit + width > static_cast<size_t>(std::max(columns, 0)))
            break;
        fit += width;
    }
    return line.substr(0, fit);
}

TextPages::TextPages(const std::string& text, int lineHeight, int cellWidth, SIZE area)
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

std::vector<std::string> TextPages::LinesOf(UINT page) const
{
    std::vector<std::string> lines;
    if (page < 1)
        return lines;
    const size_t first = static_cast<size_t>(page - 1) * static_cast<size_t>(linesPerPage_);
    const size_t last = std::min(first + static_cast<size_t>(linesPerPage_), lines_.size());
    for (size_t i = first; i < last; ++i)
        lines.push_back(FitToColumns(ExpandTabs(lines_[i], kTabColumns), columns_));
    return lines;
}

// Each byte advances one cell, so that the characters keep to the grid of
// the picture whatever widths the device's glyphs have.
bool TextPages::Draw(HDC dc, UINT page, POINT origin) const
{
    bool drawn = true;
    int y = origin.y;
    std::vector<INT> advances;
    for (const std::string& line : LinesOf(page)) {
        advances.assign(line.size(), cellWidth_);
        if (!line.empty() && !ExtTextOutA(dc, origin.x, y, 0, nullptr, line.data(),
                                          static_cast<UINT>(line.size()), advances.data()))
            drawn = false;
        y += lineHeight_;
    }
    return drawn;
}
