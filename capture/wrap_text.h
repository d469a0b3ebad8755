// Breaking a long text into lines that fit its control.
#pragma once

// Breaks the current record's text (`length` bytes) into lines of `width`
// columns (50 when width is below 1).  The first line stays in the current
// record; every further line gets a "Static" record 7 pixels lower than the
// one before.  CR, LF, CR LF and LF CR end a line; a word cut at the line end
// moves to the next line when a break lies within its last 7 bytes.
void WrapItemText(int width, int length);
