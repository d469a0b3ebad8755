// Icon buttons of this process in a shown parent window, drawn on request
// into memory, with images made to measure.
#pragma once

#include "dib_surface.h"
#include "icon_button.h"
#include "reflecting_parent.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// Reaches state that the button only gets from the mouse or keeps to itself.
class ProbeButton : public CIconButton {
public:
    void SetHovered(bool hovered) { m_hovered = hovered; }
    const std::string& Link() const { return m_link; }
    HMENU Menu() const { return m_menu.Get(); }
};

// A square icon of `size` pixels in `colour` inside a transparent edge.
HICON MakeSquareIcon(int size, int edge, COLORREF colour);
// A bitmap in `inside` with an edge of 2 pixels in `edge`.
HBITMAP MakeFramedBitmap(SIZE size, COLORREF inside, COLORREF edge);

struct Probe {
    int x;
    int y;
    COLORREF colour;
};

// Every probe's pixel has its colour; the failure names each that has not.
::testing::AssertionResult PixelsAre(const DibSurface& surface, std::initializer_list<Probe> probes);

// The smallest rectangle holding every pixel of `colour` (empty if none).
RECT ExtentOf(const DibSurface& surface, COLORREF colour);

class IconButtonTest : public ::testing::Test {
protected:
    static constexpr RECT kButtonRect{10, 10, 70, 50};  // 60 x 40

    // One parent for all tests: Wine takes seconds to destroy a top-level
    // window. Each test's controls go with the test.
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void TearDown() override;

    // Makes a new button control with `style` into `button`.
    HWND Make(ProbeButton& button, DWORD style = BS_PUSHBUTTON, const char* caption = "",
              const RECT& rect = kButtonRect);
    // Draws the button with the item state `state` (ODS_ flags) into
    // `surface`, which is first filled with a colour no drawing uses.
    static void Render(const ProbeButton& button, UINT state, DibSurface& surface);

    const COLORREF face_ = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight_ = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow_ = GetSysColor(COLOR_BTNSHADOW);
    static const COLORREF kParentColour;
    static ReflectingParent* parent_;
};
