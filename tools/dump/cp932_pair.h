// The platform's own code page 932 conversion of single characters.  The
// shared conversion asks it once per double-byte pair and keeps the answers.
#pragma once

#include <string>

// Decodes one double-byte pair; false when code page 932 has no character
// for it.
bool DecodeCp932Pair(unsigned char lead, unsigned char trail, char32_t* codePoint);

// Encodes one character exactly, never through a best-fit look-alike; false
// when code page 932 has no such character.
bool EncodeCp932Char(char32_t codePoint, std::string* bytes);
