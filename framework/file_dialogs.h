// The system's open and save dialogs with one filter, "Name (*.ext)"; the
// save dialog offers it once for each encoding a document can be saved in.
#pragma once

#include "text_encoding.h"

#include <windows.h>

#include <string>

// The chosen path, or empty when the user cancelled.
std::wstring AskOpenPath(HWND owner, const std::wstring& filterName, const std::wstring& extension);
// `encoding` is chosen first in the list of file types, and becomes the one
// the user chose.
std::wstring AskSavePath(HWND owner, const std::wstring& filterName, const std::wstring& extension,
                         const std::wstring& suggestedName, TextEncoding* encoding);

// The save dialog's file types, in their order: "Name (*.ext) - Shift-JIS",
// then UTF-8 and UTF-16.
constexpr TextEncoding kSaveEncodings[] = {TextEncoding::ShiftJis, TextEncoding::Utf8, TextEncoding::Utf16};
