// The per-user profile: integers and strings under
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class Profile {
public:
    Profile() = default;
    Profile(std::wstring company, std::wstring application);

    // `fallback` when the entry is missing or not a 32-bit integer.
    int32_t GetInt(const wchar_t* section, const wchar_t* key, int32_t fallback) const;
    // False when the value could not be written; the caller may ignore it.
    bool WriteInt(const wchar_t* section, const wchar_t* key, int32_t value) const;

    std::wstring GetString(const wchar_t* section, const wchar_t* key) const;
    bool WriteString(const wchar_t* section, const wchar_t* key, const std::wstring& value) const;
    bool DeleteValue(const wchar_t* section, const wchar_t* key) const;

private:
    std::wstring SectionPath(const wchar_t* section) const;

    std::wstring root_;
};
