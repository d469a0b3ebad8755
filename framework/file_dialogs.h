// The system's open and save dialogs with one filter, "Name (*.ext)".
#pragma once

#include <windows.h>

#include <string>

// The chosen path, or empty when the user cancelled.
std::string AskOpenPath(HWND owner, const std::string& filterName, const std::string& extension);
std::string AskSavePath(HWND owner, const std::string& filterName, const std::string& extension,
                        const std::string& suggestedName);
