// The text of an edit view laid out on printed pages. Every text line is
// one printed line and never wraps: a line wider than the page is cut at its
// right edge (never inside a double-byte character), and each page holds as
// many lines as fit. The printer and the print preview draw from the same
// layout, so both break the pages at the same lines, and every character
// keeps to its cell of the picture's grid.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The lines of a text whose lines end in CR LF (a lone LF ends one too);
// a final line ending starts no further line.
std::vector<std::string> SplitLines(const std::string& text);
// Tabs become spaces up to the next multiple of `tabColumns`.
std::string ExpandTabs(const std::string& line, int tabColumns);
// The beginning of `line` that fits into `columns` half-width cells; a
// double-byte character takes two.
std::string FitToColumns(const std::string& line, int columns);

class TextPages {
public:
    // Lays `text` out in a font of `lineHeight` and `cellWidth` (one
    // half-width character) on pages of `area`, all in the same units.
    TextPages(const std::string& text, int lineHeight, int cellWidth, SIZE area);

    UINT PageCount() const;  // at least one, also for an empty text
    int LinesPerPage() const { return linesPerPage_; }
    int Columns() const { return columns_; }
    // The lines of `page` (from 1) as they are printed.
    std::vector<std::string> LinesOf(UINT page) const;

    // Draws `page` with its top left corner at `origin` in the font selected
    // into `dc`; false when the device refused the text.
    bool Draw(HDC dc, UINT page, POINT origin) const;

private:
    std::vector<std::string> lines_;
    int lineHeight_;
    int cellWidth_;
    int linesPerPage_;
    int columns_;
};
