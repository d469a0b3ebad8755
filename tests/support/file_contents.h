// Whole files read and written as bytes: saved documents, golden pictures,
// what a Unix command left behind.
#pragma once

#include <optional>
#include <string>

// Nothing when the file cannot be read.
std::optional<std::string> FileBytes(const std::wstring& path);

bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
