// The outer frame of a whole-window conversion.
#pragma once

class TextGrid;

// Makes room on the left, writes the caption buttons into the title row and
// draws the heavy outer frame with the title, menu and status rules.  Fixes
// GridCols to the column of the right frame edge.
void DrawWindowFrame(TextGrid& grid);
