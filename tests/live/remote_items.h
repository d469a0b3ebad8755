// What a test reads from the item controls of another process (tree views,
// list views and their headers, tab controls) through the capture's own remote channel,
// to hold a picture against what the control itself says.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// The control's answer to a message that carries no pointer, or 0 when it
// does not answer within a few seconds.
LRESULT AskControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// A tree item as the control reports it.
struct TreeItemState {
    std::string text;
    bool expanded;
    int children;      // cChildren as reported: 1, a count, or a callback value
    bool lastSibling;  // no item follows it at its level
    int depth;         // 0 for a root item
};

// The items the tree shows, from the first visible one down, as many as
// fit whole; empty if the tree cannot be read.
std::vector<TreeItemState> VisibleTreeItems(HWND tree);

// The child of `parent` (a root item when `parent` is null) with this text,
// or null.
HTREEITEM FindTreeChild(HWND tree, HTREEITEM parent, const std::string& text);

// The list view's column headers, left to right.
std::vector<std::string> HeaderTexts(HWND list);

// The texts of every cell, row by row, column by column.
std::vector<std::string> ListCellTexts(HWND list);

// The tab control's captions, left to right.
std::vector<std::string> TabCaptions(HWND tabs);
