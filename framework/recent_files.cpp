#include "recent_files.h"

#include "same_path.h"


namespace {

const wchar_t kSection[] = L"Recent File List";
constexpr ULONG_PTR kEntryMark = 1;

std::wstring KeyOf(size_t index)
{
    return L"File" + std::to_wstring(index + 1);
}

// Mnemonic markers in a path must show as themselves.
std::wstring EscapeAmpersands(const std::wstring& text)
{
    std::wstring escaped;
    for (wchar_t c : text) {
        escaped += c;
        if (c == L'&')
            escaped += L'&';
    }
    return escaped;
}

}  // namespace

RecentFileList::RecentFileList(const Profile& profile, int capacity) : profile_(profile), capacity_(capacity) {}

void RecentFileList::Load()
{
    paths_.clear();
    for (int i = 0; i < capacity_; ++i) {
        std::wstring path = profile_.GetString(kSection, KeyOf(i).c_str());
        if (!path.empty())
            paths_.push_back(std::move(path));
    }
}

void RecentFileList::Save() const
{
    for (size_t i = 0; i < static_cast<size_t>(capacity_); ++i) {
        if (i < paths_.size())
            profile_.WriteString(kSection, KeyOf(i).c_str(), paths_[i]);
        else
            profile_.DeleteValue(kSection, KeyOf(i).c_str());
    }
}

void RecentFileList::Add(const std::wstring& path)
{
    for (size_t i = 0; i < paths_.size(); ++i) {
        if (SamePath(paths_[i], path)) {
            paths_.erase(paths_.begin() + static_cast<ptrdiff_t>(i));
            break;
        }
    }
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<size_t>(capacity_))
        paths_.resize(static_cast<size_t>(capacity_));
}

void RecentFileList::Remove(size_t index)
{
    if (index < paths_.size())
        paths_.erase(paths_.begin() + static_cast<ptrdiff_t>(index));
}

int RecentFileList::IndexOfCommand(UINT id) const
{
    if (id < kFirstRecentFileCommand || id >= kFirstRecentFileCommand + paths_.size())
        return -1;
    return static_cast<int>(id - kFirstRecentFileCommand);
}

void RecentFileList::UpdateMenu(HMENU menu) const
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU popup = GetSubMenu(menu, i))
            UpdatePopup(popup);
    }
}

bool RecentFileList::UpdatePopup(HMENU popup) const
{
    int position = -1;
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        if (GetMenuItemID(popup, i) == kFirstRecentFileCommand) {
            position = i;
            break;
        }
    }
    if (position < 0)
        return false;
    // The menu resource's caption of the placeholder is put back when the
    // list becomes empty; entries are told apart from it by their item data.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    GetMenuItemInfoW(popup, kFirstRecentFileCommand, FALSE, &info);
    if (info.dwItemData != kEntryMark) {
        wchar_t caption[256] = L"";
        GetMenuStringW(popup, kFirstRecentFileCommand, caption, 256, MF_BYCOMMAND);
        placeholder_ = caption;
    }
    for (int i = 0; i < capacity_; ++i)
        DeleteMenu(popup, kFirstRecentFileCommand + i, MF_BYCOMMAND);
    if (paths_.empty()) {
        InsertMenuW(popup, position, MF_BYPOSITION | MF_STRING | MF_GRAYED, kFirstRecentFileCommand,
                    placeholder_.c_str());
        return true;
    }
    for (size_t i = 0; i < paths_.size(); ++i) {
        const std::wstring caption = L"&" + std::to_wstring(i + 1) + L" " + EscapeAmpersands(paths_[i]);
        InsertMenuW(popup, position + static_cast<int>(i), MF_BYPOSITION | MF_STRING,
                    kFirstRecentFileCommand + i, caption.c_str());
        info.dwItemData = kEntryMark;
        SetMenuItemInfoW(popup, kFirstRecentFileCommand + static_cast<UINT>(i), FALSE, &info);
    }
    return true;
}
