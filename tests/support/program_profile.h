// The program's per-user profile, HKEY_CURRENT_USER\Software\Quon\Quillscape,
// read and seeded by tests; profile_keeper.cpp puts it back after them.
#pragma once

#include <windows.h>

#include <optional>

// Removes the whole profile key, for a clean start.
void ForgetProfile();

// A number of a section ("Settei", "Settings"), as the program stores it.
[[nodiscard]] bool WriteProfileNumber(const char* section, const char* key, DWORD value);
// A text of a section, such as the interface's "Language".
[[nodiscard]] bool WriteProfileText(const char* section, const char* key, const char* value);
// Nothing when the section or the number is missing, or is no number.
std::optional<DWORD> ProfileNumber(const char* section, const char* key);

bool ProfileSectionExists(const char* section);
