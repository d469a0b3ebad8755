// Conversion between the engine's Shift-JIS (code page 932) byte strings and
// UTF-8, the same on every platform.  Characters that code page 932 lacks
// travel through the conversion's table of foreign characters
// (foreign_characters.h): encoding keeps them there, decoding gives them back.
//
// Captured texts are not always valid Shift-JIS: a control may be cut in the
// middle of a double-byte character.  Decoding therefore keeps every byte
// that is not part of a valid character as the private-use code point
// U+F700 + byte (U+F780..U+F7FF), which code page 932 never produces, and
// encoding turns those code points back into the byte.  Decoding and then
// encoding gives back the original bytes exactly.
#pragma once

#include <string>

constexpr char32_t kByteEscapeBase = 0xF700;

// What decoding writes for a byte that is not part of a valid character.
enum class InvalidBytes {
    Escape,   // U+F700 + byte: lossless, undone by Utf8ToCp932
    Replace,  // U+FFFD: for showing the text to a reader
};

// Decodes Shift-JIS bytes into UTF-8, character by character, every
// placeholder as its grapheme.  Returns false
// when some byte was not part of a valid character (it was then escaped or
// replaced as `invalid` says); the whole text is decoded either way.
bool Cp932ToUtf8(const std::string& bytes, std::string* utf8,
                 InvalidBytes invalid = InvalidBytes::Escape);

// Encodes UTF-8 into the engine's text: what code page 932 holds exactly as
// its bytes, every other grapheme as a placeholder.  Fails, naming the place
// in *error, for malformed UTF-8.
bool Utf8ToCp932(const std::string& utf8, std::string* bytes, std::string* error);

// The UTF-16 of the Windows calls (or code points, where wchar_t has 32 bits)
// in UTF-8; an unpaired surrogate becomes U+FFFD.
std::string WideToUtf8(const std::wstring& text);
