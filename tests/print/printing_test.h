// The program started inside a print test, with the tests' printer queue:
// documents made as a conversion makes them, the printer's geometry to
// check pages against, and the printed jobs read back.
#pragma once

#include "print_queue.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

class CQuillscapeView;

// What the printer's device context says about one sheet, in its units.
struct PrinterGeometry {
    int printableWidth = 0, printableHeight = 0;  // HORZRES, VERTRES
    int sheetWidth = 0, sheetHeight = 0;          // PHYSICALWIDTH, PHYSICALHEIGHT
    int offsetX = 0, offsetY = 0;                 // where the printable area begins
};

// A line and a half-width cell of a font on the printer, in its units.
struct PrinterCell {
    int lineHeight;
    int width;
};

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override;

    // A new document holding `cp932` as a conversion puts it in.
    CQuillscapeView* NewDocument(const std::string& cp932, const char* title = "picture");
    // Converts a window of the fixture program into a new document.
    CQuillscapeView* ConvertFixture(const wchar_t* name);
    CQuillscapeView* ActiveView() const;

    // The application's printer as it prints now.
    PrinterGeometry Geometry();
    // What the printer makes of the font that the printer-font rule asks
    // for at `scale` percent: "ＭＳ ゴシック", scale × 40 / 100 high and
    // scale × 22 / 100 wide.
    PrinterCell CellAtScale(int scale);
    // Prints the active document with print direct and reads the job back.
    ::testing::AssertionResult PrintDirect(std::vector<PrintedPage>* pages);
    ::testing::AssertionResult NextJob(std::vector<PrintedPage>* pages);

    TestApp app_;
    PrintQueue queue_;
    int jobs_ = 0;  // finished when the test began, then each job read back
};

// `count` numbered lines, each "行NNN" and `width - 6` further columns.
std::string NumberedLines(int count, int width);
// The lines of a code page 932 text in UTF-8, trailing blanks dropped, as
// the printed lines come back.
std::vector<std::string> PrintedForm(const std::vector<std::string>& cp932Lines);
// The lines of a code page 932 text as the printed pages split them.
std::vector<std::string> TextLines(const std::string& cp932Text);
// A printed page's words put back on the picture's grid: each word's
// position, measured in the printer's cells and lines from the printable
// area's corner, gives its line and column. Blank lines at the end are gone.
std::vector<std::string> GridLines(const PrintedPage& page, const PrinterGeometry& geometry, PrinterCell cell);
