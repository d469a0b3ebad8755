// Captures of common controls that the tests make in their own process.
#pragma once

#include "capture_test_support.h"

#include <commctrl.h>

#include <string>
#include <vector>

class CommonControlsTest : public CaptureTest {
protected:
    static void SetUpTestSuite()
    {
        CaptureTest::SetUpTestSuite();
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&classes);
    }

    // Made with the library's instance, so that a plain class a test has
    // registered for this program under the control's name is not taken.
    HWND AddControl(const char* className, DWORD style, int x, int y, int width, int height)
    {
        HWND control = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, host_,
                                       nullptr, GetModuleHandleA("comctl32.dll"), nullptr);
        EXPECT_TRUE(control) << className;
        return control;
    }

    static RECT ScreenRect(HWND window)
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }
};

inline std::string Repeat(const char* piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// The records with this tag: a control may have children of its own.
inline std::vector<CaptureItem> Tagged(const std::vector<CaptureItem>& items, const char* tag)
{
    std::vector<CaptureItem> tagged;
    for (const CaptureItem& item : items)
        if (HasClassName(item, tag))
            tagged.push_back(item);
    return tagged;
}
