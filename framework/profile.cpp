#include "profile.h"

#include "guards.h"

#include <algorithm>
#include <utility>

namespace {

void CloseRegistryKey(HKEY key)
{
    RegCloseKey(key);
}
using OwnedKey = Owned<HKEY, CloseRegistryKey>;

OwnedKey OpenKey(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return OwnedKey();
    return OwnedKey(key);
}

OwnedKey CreateKey(const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return OwnedKey();
    return OwnedKey(key);
}

}  // namespace

Profile::Profile(std::string company, std::string application)
    : root_("Software\\" + std::move(company) + "\\" + std::move(application))
{
}

std::string Profile::SectionPath(const char* section) const
{
    return root_ + "\\" + section;
}

int32_t Profile::GetInt(const char* section, const char* key, int32_t fallback) const
{
    OwnedKey opened = OpenKey(SectionPath(section));
    DWORD type = 0, value = 0, size = sizeof value;
    if (!opened || RegQueryValueExA(opened.Get(), key, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                       ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return fallback;
    return static_cast<int32_t>(value);
}

bool Profile::WriteInt(const char* section, const char* key, int32_t value) const
{
    OwnedKey created = CreateKey(SectionPath(section));
    const DWORD data = static_cast<DWORD>(value);
    return created && RegSetValueExA(created.Get(), key, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                     sizeof data) == ERROR_SUCCESS;
}

std::string Profile::GetString(const char* section, const char* key) const
{
    OwnedKey opened = OpenKey(SectionPath(section));
    DWORD type = 0, size = 0;
    if (!opened || RegQueryValueExA(opened.Get(), key, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    std::string value(size, '\0');
    if (RegQueryValueExA(opened.Get(), key, nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &size) !=
        ERROR_SUCCESS)
        return {};
    value.resize(std::min<size_t>(size, value.size()));
    while (!value.empty() && value.back() == '\0')
        value.pop_back();
    return value;
}

bool Profile::WriteString(const char* section, const char* key, const std::string& value) const
{
    OwnedKey created = CreateKey(SectionPath(section));
    return created && RegSetValueExA(created.Get(), key, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool Profile::DeleteValue(const char* section, const char* key) const
{
    OwnedKey created = CreateKey(SectionPath(section));
    return created && RegDeleteValueA(created.Get(), key) == ERROR_SUCCESS;
}
