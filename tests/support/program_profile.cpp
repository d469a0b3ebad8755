#include "program_profile.h"

#include <shlwapi.h>

#include <string>

namespace {

const char kProfileKey[] = "Software\\Quon";

std::string SectionKey(const char* section)
{
    return std::string(kProfileKey) + "\\Quillscape\\" + section;
}

}  // namespace

void ForgetProfile()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kProfileKey);
}

bool WriteProfileNumber(const char* section, const char* key, DWORD value)
{
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG written =
        RegSetValueExA(opened, key, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(opened);
    return written == ERROR_SUCCESS;
}

std::optional<DWORD> ProfileNumber(const char* section, const char* key)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    const LONG read = RegQueryValueExA(opened, key, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(opened);
    if (read != ERROR_SUCCESS || type != REG_DWORD)
        return std::nullopt;
    return value;
}

bool ProfileSectionExists(const char* section)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}
