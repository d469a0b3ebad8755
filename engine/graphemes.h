// Characters as a reader sees them: a base character with the marks,
// variation selectors and emoji modifiers that follow it, emoji joined by
// ZWJ, Hangul syllables of jamo and flag pairs are one grapheme, which the
// picture never splits.  Tables generated from the Unicode Character Database.
#pragma once

#include <cstddef>
#include <string>

// The offset just after the grapheme that starts at text[start].
size_t GraphemeEnd(const std::u32string& text, size_t start);

// Cells a grapheme takes in the picture: two when its first character is East
// Asian wide, fullwidth or ambiguous (code page 932 draws those wide), else one.
int GraphemeCells(const std::u32string& grapheme);
