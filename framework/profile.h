// The per-user profile: integers and strings under
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class Profile {
public:
    Profile() = default;
    Profile(std::string company, std::string application);

    // `fallback` when the entry is missing or not a 32-bit integer.
    int32_t GetInt(const char* section, const char* key, int32_t fallback) const;
    // False when the value could not be written; the caller may ignore it.
    bool WriteInt(const char* section, const char* key, int32_t value) const;

    std::string GetString(const char* section, const char* key) const;
    bool WriteString(const char* section, const char* key, const std::string& value) const;
    bool DeleteValue(const char* section, const char* key) const;

private:
    std::string SectionPath(const char* section) const;

    std::string root_;
};
