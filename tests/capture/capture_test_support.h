// Real controls made by the test itself, and captures of them taken right
// after the walk, as the pipeline hands them to the layout.
#pragma once

#include "capture_state.h"
#include "conversion.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// Counts the reports and keeps the records as they stood after the walk.
class RecordingReporter : public CaptureReporter {
public:
    void NoTarget() override { ++noTarget; }
    void ItemLimitReached() override { ++itemLimit; }
    void Captured() override { items.assign(ItemTable, ItemTable + ItemCount); }

    int noTarget = 0;
    int itemLimit = 0;
    std::vector<CaptureItem> items;
};

// One host window serves a whole suite: Wine takes seconds to take a
// top-level window off an X display that has no window manager.
class CaptureTest : public ::testing::Test {
protected:
    static constexpr int kHostLeft = 100;
    static constexpr int kHostTop = 100;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A child of the host (or of `parent`) at client position x, y.
    HWND AddChild(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                  DWORD exStyle = 0, HWND parent = nullptr);

    // Converts the window and returns the records made by the walk: in mode
    // 'O' without the window's own records 0 and 1.
    std::vector<CaptureItem> Capture(HWND target);

    static HWND host_;
    RecordingReporter reporter_;
    ConversionResult result_;
};

// A window class of this test program with the default window procedure.
void RegisterPlainClass(const char* className);

std::vector<std::string> Texts(const std::vector<CaptureItem>& items);

// The record's kind and shape codes, e.g. "BL".
std::string KindAndShape(const CaptureItem& item);
