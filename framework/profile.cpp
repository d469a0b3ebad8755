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

OwnedKey OpenKey(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return OwnedKey();
    return OwnedKey(key);
}

OwnedKey CreateKey(const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return OwnedKey();
    return OwnedKey(key);
}

}  // namespace

Profile::Profile(std::wstring company, std::wstring application)
    : root_(L"Software\\" + std::move(company) + L"\\" + std::move(application))
{
}

std::wstring Profile::SectionPath(const wchar_t* section) const
{
    return root_ + L"\\" + section;
}

int32_t Profile::GetInt(const wchar_t* section, const wchar_t* key, int32_t fallback) const
{
    OwnedKey opened = OpenKey(SectionPath(section));
    DWORD type = 0, value = 0, size = sizeof value;
    if (!opened || RegQueryValueExW(opened.Get(), key, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                       ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return fallback;
    return static_cast<int32_t>(value);
}

bool Profile::WriteInt(const wchar_t* section, const wchar_t* key, int32_t value) const
{
    OwnedKey created = CreateKey(SectionPath(section));
    const DWORD data = static_cast<DWORD>(value);
    return created && RegSetValueExW(created.Get(), key, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                     sizeof data) == ERROR_SUCCESS;
}

std::wstring Profile::GetString(const wchar_t* section, const wchar_t* key) const
{
    OwnedKey opened = OpenKey(SectionPath(section));
    DWORD type = 0, size = 0;
    if (!opened || RegQueryValueExW(opened.Get(), key, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(opened.Get(), key, nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &size) !=
        ERROR_SUCCESS)
        return {};
    value.resize(std::min<size_t>(size / sizeof(wchar_t), value.size()));
    while (!value.empty() && value.back() == L'\0')
        value.pop_back();
    return value;
}

bool Profile::WriteString(const wchar_t* section, const wchar_t* key, const std::wstring& value) const
{
    OwnedKey created = CreateKey(SectionPath(section));
    return created && RegSetValueExW(created.Get(), key, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool Profile::DeleteValue(const wchar_t* section, const wchar_t* key) const
{
    OwnedKey created = CreateKey(SectionPath(section));
    return created && RegDeleteValueW(created.Get(), key) == ERROR_SUCCESS;
}
