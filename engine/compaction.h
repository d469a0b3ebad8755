// Text options applied by the layout: mnemonic removal and the squeezing out
// of blank rows and columns.
#pragma once

#include <string>

class TextGrid;

// With CutUnderLine on: "&&" becomes "&", a single "&" goes, and a
// full-width ampersand becomes a half-width one.
void PrepareText(std::string& text);

// Marks rows that hold nothing but white space and vertical rules as removed
// (first byte NUL).
void RemoveBlankRows(TextGrid& grid);

// Deletes two-byte columns that hold nothing but spaces and horizontal rules
// and lowers GridCols accordingly.
void RemoveBlankColumns(TextGrid& grid);
