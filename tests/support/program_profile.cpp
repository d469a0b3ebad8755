#include "program_profile.h"

#include <shlwapi.h>

#include <cstring>
#include <string>

namespace {

const char kProfileKey[] = "Software\\Quon";

std::string SectionKey(const char* section)
{
    return std::string(kProfileKey) + "\\Quillscape\\" + section;
}

bool WriteProfileValue(const char* section, const char* key, DWORD type, const void* data, DWORD size)
{
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &opened, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG written = RegSetValueExA(opened, key, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(opened);
    return written == ERROR_SUCCESS;
}

}  // namespace

void ForgetProfile()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kProfileKey);
}

bool WriteProfileNumber(const char* section, const char* key, DWORD value)
{
    return WriteProfileValue(section, key, REG_DWORD, &value, sizeof value);
}

bool WriteProfileText(const char* section, const char* key, const char* value)
{
    return WriteProfileValue(section, key, REG_SZ, value, static_cast<DWORD>(std::strlen(value) + 1));
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
