// What one print job or print preview knows: the print dialog's data (the
// printer, the range the user chose, the device context it returned), the
// document's pages once they are counted, and the page being drawn.
#pragma once

#include "guards.h"

#include <windows.h>

#include <commdlg.h>

struct PrintInfo {
    PrintInfo();

    // The range to print: the pages the user chose, within the document's.
    UINT FromPage() const;
    UINT ToPage() const;

    PRINTDLGA dialog;
    bool preview = false;
    bool direct = false;  // no print dialog: the whole document on the application's printer
    UINT minPage = 1;
    UINT maxPage = 0xFFFF;  // the last page, once the document is paginated
    UINT currentPage = 1;
    RECT drawArea{};  // the printable area, in the printer's device units
};

using OwnedPrinterDC = Owned<HDC, DeleteMemoryDC>;  // DeleteDC frees a printer's context too

// The printable area of a printer's device context, from its origin.
RECT PrintableArea(HDC printer);
