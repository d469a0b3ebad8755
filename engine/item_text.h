// Writing one record's text into the grid.
#pragma once

class TextGrid;

// Draws record i at CurCol/CurRow and raises GridCols/GridRows to cover it.
// Changes the record's stored text as drawn (tabs, trimming, padding).
void DrawItemText(TextGrid& grid, int i);
