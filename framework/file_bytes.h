// Whole files read and written as raw bytes.
#pragma once

#include <string>

enum class ReadResult { Ok, Failed, TooLarge };

// Reads at most `limit` bytes; TooLarge, with nothing read, for a longer file.
ReadResult ReadFileBytes(const std::wstring& path, size_t limit, std::string* bytes);

// Writes `bytes` to a temporary file beside `path` and only then puts it in
// the place of `path`, so that a failed save leaves the previous file whole.
bool WriteFileReplacing(const std::wstring& path, const std::string& bytes);
