// The list-view extractor.
#pragma once

#include "capture_state.h"

#include <windows.h>

#include <functional>
#include <string>

// A framed block of columns: per column of the header a header record and
// one record per row with the cell texts, each column starting right of the
// widest text of the one before; the control's record is widened when the
// columns need more room.  A whole-window capture reads the rows that fit
// the control, a single-control capture all of them.
void CaptureListView(HWND hwnd);

// The same records from another reading, in three steps.  StartListView
// frames the record at ItemTable[ItemCount] (after a reference record when
// it is the first of a capture) and sets the rows that fit; CountListView
// tells the number of rows and whether there is a header row; FillListView
// appends the columns.  Without a header only the first column is read.
CaptureItem& StartListView();
void CountListView(CaptureItem& list, int rows, bool hasHeader);

struct ListColumns {
    int rows;
    int columns;
    bool hasHeader;
    std::function<std::string(int column)> headerText;
    std::function<std::string(int row, int column)> cellText;
};
void FillListView(CaptureItem& list, const ListColumns& table);
