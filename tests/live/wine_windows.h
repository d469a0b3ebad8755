// Windows of Wine's own programs, started by a test in processes of their
// own and ended by their handles when the objects go.
#pragma once

#include "child_process.h"
#include "program_windows.h"
#include "remote_items.h"

#include <windows.h>

#include <string>
#include <vector>

// The texts of all visible descendants that have one and show it (tree
// views and list views show their items instead), in the ANSI code page;
// without those of the class `except` when one is given.
std::vector<std::string> VisibleControlTexts(HWND window, const char* except = nullptr);

// Wine's regedit with HKEY_CURRENT_USER selected, which fills the list
// view with its values, and expanded, which fills its branch of the tree.
// Ended by its handle, it saves nothing.
class WineRegedit {
public:
    // Starts regedit.exe as CreateProcess finds it for this process: the
    // 64-bit one for a 64-bit test in a win64 prefix.
    WineRegedit();

    // Waits, bounded, for the window, its tree and list and the opened
    // HKEY_CURRENT_USER; false when any of them did not come.
    [[nodiscard]] bool Open();

    ChildProcess& Process() { return process_; }
    HWND Main() const { return main_; }
    HWND Tree() const { return tree_; }
    HWND List() const { return list_; }

    // The items the tree shows, of which some must lie in the expanded
    // HKEY_CURRENT_USER.
    std::vector<TreeItemState> VisibleItems() const;

private:
    bool OpenCurrentUser();
    bool IsExpandedWithChildren(HTREEITEM item) const;

    ChildProcess process_;
    HWND main_ = nullptr;
    HWND tree_ = nullptr;
    HWND list_ = nullptr;
};

// The list view's headers and cells, as the control reports them, each
// stand on a line of the picture.
void ExpectShowsListContent(const std::string& picture, HWND list);

// A picture of regedit's main window shows what its tree and list view
// report.
void ExpectRegeditContent(const std::string& picture, const WineRegedit& regedit);
