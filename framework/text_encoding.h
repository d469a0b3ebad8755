// The encodings a document's file may have: Shift-JIS (code page 932),
// UTF-8 and UTF-16. What a file holds is told by its byte-order mark, else
// by being strict UTF-8 with at least one character beyond ASCII, else it is
// Shift-JIS, as every file of the program's earlier versions is.
#pragma once

#include <string>

enum class TextEncoding { ShiftJis, Utf8, Utf16 };

TextEncoding DetectEncoding(const std::string& bytes);

// The text of `bytes` in `encoding`, without its byte-order mark. UTF-16
// comes in either byte order by its mark, little-endian without one.
std::wstring DecodeText(const std::string& bytes, TextEncoding encoding);

// `text` as a file's bytes: UTF-8 and UTF-16 (little-endian) begin with
// their byte-order mark. A character that Shift-JIS cannot keep becomes
// "?" or "？" of its width there, and *lost (when given) says whether any did.
std::string EncodeText(const std::wstring& text, TextEncoding encoding, bool* lost = nullptr);
