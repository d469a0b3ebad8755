#include "icon_button_test_support.h"

#include "edges.h"
#include "private_messages.h"

#include <algorithm>
#include <sstream>

namespace {

const COLORREF kUnpainted = RGB(1, 2, 3);

}  // namespace

HICON MakeSquareIcon(int size, int edge, COLORREF colour)
{
    DibSurface image(size, size);
    const RECT inside{edge, edge, size - edge, size - edge};
    FillSolidRect(image.Dc(), {0, 0, size, size}, RGB(0, 0, 0));
    FillSolidRect(image.Dc(), inside, colour);
    const OwnedBitmap colourBits(image.ReleaseBitmap());
    const OwnedBitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
    const OwnedMemoryDC maskDc(CreateCompatibleDC(nullptr));
    {
        const SelectedObject selected(maskDc.Get(), mask.Get());
        PatBlt(maskDc.Get(), 0, 0, size, size, WHITENESS);
        PatBlt(maskDc.Get(), edge, edge, size - 2 * edge, size - 2 * edge, BLACKNESS);
    }
    ICONINFO info{TRUE, 0, 0, mask.Get(), colourBits.Get()};
    return CreateIconIndirect(&info);
}

HBITMAP MakeFramedBitmap(SIZE size, COLORREF inside, COLORREF edge)
{
    DibSurface image(size.cx, size.cy);
    FillSolidRect(image.Dc(), {0, 0, size.cx, size.cy}, edge);
    FillSolidRect(image.Dc(), {2, 2, size.cx - 2, size.cy - 2}, inside);
    return image.ReleaseBitmap();
}

::testing::AssertionResult PixelsAre(const DibSurface& surface, std::initializer_list<Probe> probes)
{
    std::ostringstream wrong;
    for (const Probe& probe : probes) {
        const COLORREF actual = surface.Pixel(probe.x, probe.y);
        if (actual != probe.colour)
            wrong << " (" << probe.x << "," << probe.y << ") is " << std::hex << actual << " not " << probe.colour
                  << std::dec << ";";
    }
    if (wrong.str().empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong.str();
}

RECT ExtentOf(const DibSurface& surface, COLORREF colour)
{
    RECT extent{surface.Width(), surface.Height(), 0, 0};
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.Pixel(x, y) == colour) {
                extent = {std::min<LONG>(extent.left, x), std::min<LONG>(extent.top, y),
                          std::max<LONG>(extent.right, x + 1), std::max<LONG>(extent.bottom, y + 1)};
            }
        }
    }
    return extent;
}

const COLORREF IconButtonTest::kParentColour = RGB(10, 200, 90);
ReflectingParent* IconButtonTest::parent_ = nullptr;

void IconButtonTest::SetUpTestSuite()
{
    parent_ = new ReflectingParent(kParentColour);
    // A popup: Wine waits a while for a window manager to take down a captioned window.
    ASSERT_TRUE(parent_->CreateTopLevel("Icon button test", {100, 100, 400, 300}, WS_POPUP | WS_BORDER));
    ShowWindow(parent_->Handle(), SW_SHOW);
    UpdateWindow(parent_->Handle());
}

void IconButtonTest::TearDownTestSuite()
{
    delete parent_;
    parent_ = nullptr;
}

void IconButtonTest::TearDown()
{
    while (const HWND child = GetWindow(parent_->Handle(), GW_CHILD))
        DestroyWindow(child);
}

HWND IconButtonTest::Make(ProbeButton& button, DWORD style, const char* caption, const RECT& rect)
{
    const HWND control = parent_->AddControl("Button", 0, WS_TABSTOP | style, caption, rect);
    EXPECT_TRUE(button.Subclass(control));
    return control;
}

void IconButtonTest::Render(const ProbeButton& button, UINT state, DibSurface& surface)
{
    FillSolidRect(surface.Dc(), {0, 0, surface.Width(), surface.Height()}, kUnpainted);
    DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, button.Handle(), surface.Dc(),
                        {0, 0, surface.Width(), surface.Height()}, 0};
    SendMessageA(button.Handle(), kReflectedDrawItem, 0, reinterpret_cast<LPARAM>(&item));
}
