// The text of an edit view laid out on printed pages. Every text line is
// one printed line and never wraps: a line wider than the page is cut at its
// right edge (never inside a character), and each page holds as
// many lines as fit. The printer and the print preview draw from the same
// layout, so both break the pages at the same lines, and every character
// keeps to its cell of the picture's grid.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The lines of a text whose lines end in CR LF (a lone LF ends one too);
// a final line ending starts no further line.
std::vector<std::wstring> SplitLines(const std::wstring& text);
// The half-width cells a character takes in the picture: as many as its
// bytes in Shift-JIS, or for a character that Shift-JIS lacks, two when it
// is wide; the second half of a surrogate pair takes none.
int CellsOf(wchar_t character);

// Tabs become spaces up to the next multiple of `tabColumns`.
std::wstring ExpandTabs(const std::wstring& line, int tabColumns);
// The beginning of `line` that fits into `columns` half-width cells.
std::wstring FitToColumns(const std::wstring& line, int columns);

class TextPages {
public:
    // Lays `text` out in a font of `lineHeight` and `cellWidth` (one
    // half-width character) on pages of `area`, all in the same units.
    TextPages(const std::wstring& text, int lineHeight, int cellWidth, SIZE area);

    UINT PageCount() const;  // at least one, also for an empty text
    int LinesPerPage() const { return linesPerPage_; }
    int Columns() const { return columns_; }
    // The lines of `page` (from 1) as they are printed.
    std::vector<std::wstring> LinesOf(UINT page) const;

    // Draws `page` with its top left corner at `origin` in the font selected
    // into `dc`; false when the device refused the text.
    bool Draw(HDC dc, UINT page, POINT origin) const;

private:
    std::vector<std::wstring> lines_;
    int lineHeight_;
    int cellWidth_;
    int linesPerPage_;
    int columns_;
};
