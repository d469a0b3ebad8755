// Builds item tables by hand and checks the laid-out text as a picture.
#pragma once

#include "capture_state.h"
#include "code_page.h"
#include "layout.h"
#include "text_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCaptureState(); }

    // Appends a record with a pixel rectangle, as capture would.
    CaptureItem& Add(const char* className, const std::string& text, ItemRect rect, char kind = ' ',
                     char shape = ' ')
    {
        CaptureItem& item = ItemTable[ItemCount++];
        item.text = text;
        item.rect = rect;
        SetClassName(item, className);
        item.kind = kind;
        item.shape = shape;
        return item;
    }

    // Record 0 and the "Style" record of a whole-window capture.
    void AddWindow(const std::string& title, ItemRect rect, const std::string& captionLetters = "")
    {
        CaptureMode = 'O';
        Add("#32770", title, rect);
        Add("Style", captionLetters, rect);
    }
};

// Rows of the result without their CR LF; checks every row ends with CR LF.
std::vector<std::string> OutputLines(const ConversionResult& result);

// Compares the result row by row with the expected picture and names the
// first differing cell.
void ExpectPicture(int line, const ConversionResult& result, const std::vector<std::string>& expected);
#define EXPECT_PICTURE(result, ...) ExpectPicture(__LINE__, result, __VA_ARGS__)

// A fresh grid with the given rows written from column 0, for tests of
// single drawing steps.
void FillGrid(TextGrid& grid, const std::vector<std::string>& rows);
std::string GridText(const TextGrid& grid, int row, int col, int length);
