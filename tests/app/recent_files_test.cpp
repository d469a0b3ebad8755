#include "recent_files.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Paths(const RecentFileList& list)
{
    std::vector<std::string> paths;
    for (size_t i = 0; i < list.Size(); ++i)
        paths.push_back(list.Path(i));
    return paths;
}

std::vector<std::string> MenuCaptions(HMENU popup)
{
    std::vector<std::string> captions;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        char caption[256] = "";
        GetMenuStringA(popup, i, caption, sizeof caption, MF_BYPOSITION);
        captions.push_back(caption);
    }
    return captions;
}

TEST(RecentFilesTest, KeepsFourFilesNewestFirstAcrossRuns)
{
    ForgetProfile();
    const Profile profile("Quon", "Quillscape");
    RecentFileList list(profile, 4);
    for (const char* path : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt", "C:\\e.txt"})
        list.Add(path);
    list.Add("c:\\B.TXT");  // the same file in other case moves up, under its new spelling
    EXPECT_EQ(Paths(list), (std::vector<std::string>{"c:\\B.TXT", "C:\\e.txt", "C:\\d.txt", "C:\\c.txt"}));
    list.Remove(1);
    list.Save();

    RecentFileList again(profile, 4);
    again.Load();
    EXPECT_EQ(Paths(again), (std::vector<std::string>{"c:\\B.TXT", "C:\\d.txt", "C:\\c.txt"}));
    EXPECT_EQ(profile.GetString("Recent File List", "File4"), "") << "a removed entry leaves the profile";
    EXPECT_EQ(again.IndexOfCommand(kFirstRecentFileCommand + 2), 2);
    EXPECT_EQ(again.IndexOfCommand(kFirstRecentFileCommand + 3), -1);
    ForgetProfile();
}

TEST(RecentFilesTest, TakesThePlaceholdersPlaceInTheMenuAndGivesItBack)
{
    ForgetProfile();
    const Profile profile("Quon", "Quillscape");
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 100, "Open");
    AppendMenuA(file, MF_STRING | MF_GRAYED, kFirstRecentFileCommand, "Recent files");
    AppendMenuA(file, MF_STRING, 101, "Exit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");

    RecentFileList list(profile, 4);
    list.UpdateMenu(bar);
    EXPECT_EQ(MenuCaptions(file), (std::vector<std::string>{"Open", "Recent files", "Exit"}));
    EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_GRAYED);

    list.Add("C:\\one & two.txt");
    list.Add("C:\\three.txt");
    list.UpdateMenu(bar);
    EXPECT_EQ(MenuCaptions(file),
              (std::vector<std::string>{"Open", "&1 C:\\three.txt", "&2 C:\\one && two.txt", "Exit"}));
    EXPECT_FALSE(GetMenuState(file, 1, MF_BYPOSITION) & MF_GRAYED);

    list.Remove(0);
    list.Remove(0);
    list.UpdateMenu(bar);
    EXPECT_EQ(MenuCaptions(file), (std::vector<std::string>{"Open", "Recent files", "Exit"}));
    DestroyMenu(bar);
    ForgetProfile();
}

}  // namespace
