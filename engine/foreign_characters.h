// Characters outside code page 932 in the engine's Shift-JIS text.
//
// The engine lays out bytes: a single byte takes one cell, a lead byte and
// the byte after it two.  A grapheme that code page 932 cannot hold exactly
// is kept in the conversion's table and stands in the text for a placeholder
// that lays out like a character of the grapheme's width: for one cell a
// byte code page 932 leaves unused or gives only to control characters, for
// two cells a lead byte it leaves unused and a trail byte.  Layout thus
// treats these graphemes exactly as it treats the characters of code page
// 932, and the outputs give each placeholder back as its grapheme.  Control
// characters go through the table as well, so that a placeholder byte always
// means what the table holds.
//
// A conversion holds up to 32 one-cell and 940 two-cell graphemes; further
// ones keep their width but become "?" or "？".
#pragma once

#include <cstddef>
#include <string>

// Empties the table: a new conversion starts.
void ClearForeignCharacters();

// The exact code page 932 bytes of one character, appended to *bytes; false
// when code page 932 lacks it (the platform's or the dump's own tables).
using ExactCp932Encoder = bool (*)(char32_t codePoint, std::string* bytes);

// True when the table holds a grapheme: only then can a text hold placeholders.
bool HoldsForeignCharacters();

// The engine's text for `text`: every grapheme whose characters code page 932
// holds exactly as those bytes, every other one as its placeholder.
std::string ToEngineBytes(const std::u32string& text, ExactCp932Encoder encode);

// The grapheme whose placeholder starts at text[i], with the placeholder's
// length in *length; null when text[i] starts none.
const std::u32string* ForeignCharacterAt(const std::string& text, size_t i, size_t* length);

// "?" for a grapheme of one cell, "？" for one of two: what a Shift-JIS text
// writes for a grapheme code page 932 lacks, so that columns stay aligned.
const char* ShiftJisReplacement(int cells);

// Turns every placeholder into code page 932: a control character into
// itself, any other grapheme into "?" (one cell) or "？" (two cells).  Returns
// the number of graphemes so replaced.
size_t ReplaceForeignCharacters(std::string* text);
