// Mapping captured pixel rectangles onto the grid, frames of boxed records
// and the row placement inside list blocks.
#pragma once

class TextGrid;

constexpr int kPixelsPerColumn = 5;
constexpr int kPixelsPerRow = 7;

// Converts every record's rect from screen pixels to grid cells, in place.
void NormaliseRects();

// Draws the frame of record i at CurCol/CurRow; may move CurCol one column
// to the left and raises GridCols/GridRows to the frame.
void DrawItemFrame(TextGrid& grid, int i);

// Moves CurCol/CurRow for rows of list blocks and push buttons, and opens
// list blocks.
void PlaceInBlock(int i);
