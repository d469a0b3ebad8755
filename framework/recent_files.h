// The recent-file list of the File menu: the most recently opened or saved
// files first, kept in the profile as "File1" to "FileN" of section
// "Recent File List", shown in place of the menu's placeholder item.
#pragma once

#include "profile.h"

#include <windows.h>

#include <string>
#include <vector>

constexpr UINT kFirstRecentFileCommand = 0xE110;  // the placeholder item's id, then one id per entry

class RecentFileList {
public:
    RecentFileList(const Profile& profile, int capacity);

    void Load();
    void Save() const;

    // Puts `path` first; an entry of the same file (case ignored) moves up.
    void Add(const std::wstring& path);
    void Remove(size_t index);

    size_t Size() const { return paths_.size(); }
    const std::wstring& Path(size_t index) const { return paths_[index]; }
    // The entry a command id stands for, or -1.
    int IndexOfCommand(UINT id) const;

    // Replaces the placeholder (or the entries shown before) in `menu` and
    // its submenus with the entries "&1 path" ...; with no entries the
    // placeholder stays, greyed.
    void UpdateMenu(HMENU menu) const;

private:
    bool UpdatePopup(HMENU popup) const;

    const Profile& profile_;
    int capacity_;
    std::vector<std::wstring> paths_;
    mutable std::wstring placeholder_;
};
