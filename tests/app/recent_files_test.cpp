#include "recent_files.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Paths(const RecentFileList& list)
{
    std::vector<std::wstring> paths;
    for (size_t i = 0; i < list.Size(); ++i)
        paths.push_back(list.Path(i));
    return paths;
}

std::vector<std::wstring> MenuCaptions(HMENU popup)
{
    std::vector<std::wstring> captions;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        wchar_t caption[256] = L"";
        GetMenuStringW(popup, i, caption, 256, MF_BYPOSITION);
        captions.push_back(caption);
    }
    return captions;
}

TEST(RecentFilesTest, KeepsFourFilesNewestFirstAcrossRuns)
{
    ForgetProfile();
    const Profile profile(L"Quon", L"Quillscape");
    RecentFileList list(profile, 4);
    for (const wchar_t* path : {L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt", L"C:\\d.txt", L"C:\\e.txt"})
        list.Add(path);
    list.Add(L"c:\\B.TXT");  // the same file in other case moves up, under its new spelling
    EXPECT_EQ(Paths(list), (std::vector<std::wstring>{L"c:\\B.TXT", L"C:\\e.txt", L"C:\\d.txt", L"C:\\c.txt"}));
    list.Remove(1);
    list.Save();

    RecentFileList again(profile, 4);
    again.Load();
    EXPECT_EQ(Paths(again), (std::vector<std::wstring>{L"c:\\B.TXT", L"C:\\d.txt", L"C:\\c.txt"}));
    EXPECT_EQ(profile.GetString(L"Recent File List", L"File4"), L"") << "a removed entry leaves the profile";
    EXPECT_EQ(again.IndexOfCommand(kFirstRecentFileCommand + 2), 2);
    EXPECT_EQ(again.IndexOfCommand(kFirstRecentFileCommand + 3), -1);
    ForgetProfile();
}

// Earlier versions wrote the list through the ANSI registry functions, in
// code page 932; the registry keeps such a value as text, so it reads back whole.
TEST(RecentFilesTest, ReadsThePathsEarlierVersionsStored)
{
    ForgetProfile();
    const Profile profile(L"Quon", L"Quillscape");
    ASSERT_TRUE(profile.WriteInt(L"Recent File List", L"Probe", 0));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quon\\Quillscape\\Recent File List", 0, KEY_WRITE, &key),
              ERROR_SUCCESS);
    const char stored[] = "C:\\\x93\xFA\x96\x7B\\\x95\\.txt";  // C:\日本\表.txt, whose 表 ends in a backslash byte
    RegSetValueExA(key, "File1", 0, REG_SZ, reinterpret_cast<const BYTE*>(stored), sizeof stored);
    RegCloseKey(key);

    RecentFileList list(profile, 4);
    list.Load();
    EXPECT_EQ(Paths(list), std::vector<std::wstring>{L"C:\\日本\\表.txt"});
    ForgetProfile();
}

TEST(RecentFilesTest, TakesThePlaceholdersPlaceInTheMenuAndGivesItBack)
{
    ForgetProfile();
    const Profile profile(L"Quon", L"Quillscape");
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 100, "Open");
    AppendMenuA(file, MF_STRING | MF_GRAYED, kFirstRecentFileCommand, "Recent files");
    AppendMenuA(file, MF_STRING, 101, "Exit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");

    RecentFileList list(profile, 4);
    list.UpdateMenu(bar);
    EXPECT_EQ(MenuCaptions(file), (std::vector<std::wstring>{L"Open", L"Recent files", L"Exit"}));
    EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_GRAYED);

    list.Add(L"C:\\one & two.txt");
    list.Add(L"C:\\three.txt");
    list.UpdateMenu(bar);
    EXPECT_EQ(MenuCaptions(file),
              (std::vector<std::wstring>{L"Open", L"&1 C:\\three.txt", L"&2 C:\\one && two.txt", L"Exit"}));
    EXPECT_FALSE(GetMenuState(file, 1, MF_BYPOSITION) & MF_GRAYED);

    list.Remove(0);
    list.Remove(0);
    list.UpdateMenu(bar);
    EXPECT_EQ(MenuCaptions(file), (std::vector<std::wstring>{L"Open", L"Recent files", L"Exit"}));
    DestroyMenu(bar);
    ForgetProfile();
}

}  // namespace
