// The icon button drawn into memory DCs: frames, chosen images, press
// shift, check mode, default and focus frames, caption placement, colours,
// disabled embossing and the parent's backdrop.

#include "icon_button_test_support.h"

#include "edges.h"

namespace {

const COLORREF kIn = RGB(255, 0, 0);
const COLORREF kOut = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// 20 x 20 icons with a transparent edge of 2: in a 60 x 40 button the
// icon's opaque part spans (22, 12) to (37, 27), one pixel further right and
// down while pressed.
class IconButtonDrawing : public IconButtonTest {
protected:
    void MakeWithIcons(ProbeButton& button, DWORD style = BS_PUSHBUTTON, bool withOut = true)
    {
        Make(button, style);
        ASSERT_EQ(button.AssignIcons(MakeSquareIcon(20, 2, kIn), withOut ? MakeSquareIcon(20, 2, kOut) : nullptr),
                  0u);
    }
    DibSurface surface_{60, 40};
};

// Flat unless a case says otherwise; focusDots: the dotted focus rectangle
// 3 pixels inside.
TEST_F(IconButtonDrawing, EachStateDrawsItsFrameImageAndShift)
{
    using Prepare = void (*)(ProbeButton&);
    const Prepare raised = [](ProbeButton& b) { b.SetFlatLook(false); };
    const Prepare hovered = [](ProbeButton& b) { b.SetHovered(true); };
    const Prepare frameless = [](ProbeButton& b) {
        b.ShowFlatFrame(false);
        b.SetHovered(true);
    };
    const COLORREF light = GetSysColor(COLOR_3DLIGHT), dark = GetSysColor(COLOR_3DDKSHADOW);
    const struct {
        const char* name;
        DWORD style;
        Prepare prepare;
        UINT state;
        std::initializer_list<Probe> probes;
        bool focusDots;
    } cases[] = {
        {"raised", BS_PUSHBUTTON, raised, 0,
         {{0, 0, highlight_}, {1, 1, light}, {59, 39, dark}, {58, 38, shadow_}, {5, 5, face_}, {21, 12, face_},
          {22, 12, kOut}, {37, 27, kOut}, {38, 27, face_}}, false},
        {"pressed", BS_PUSHBUTTON, raised, ODS_SELECTED,
         {{0, 0, shadow_}, {59, 39, shadow_}, {1, 1, face_}, {22, 12, face_}, {23, 13, kIn}, {38, 28, kIn}}, false},
        {"default", BS_DEFPUSHBUTTON, raised, 0, {{0, 0, kBlack}, {59, 39, kBlack}, {1, 1, highlight_}}, false},
        {"focused", BS_PUSHBUTTON, raised, ODS_FOCUS, {{0, 0, kBlack}, {1, 1, highlight_}}, true},
        {"flat", BS_PUSHBUTTON, nullptr, 0, {{0, 0, face_}, {59, 39, face_}, {22, 12, kOut}}, false},
        {"flat hovered", BS_PUSHBUTTON, hovered, 0, {{0, 0, highlight_}, {59, 39, shadow_}, {22, 12, kIn}}, false},
        {"flat pressed", BS_PUSHBUTTON, nullptr, ODS_SELECTED,
         {{0, 0, shadow_}, {59, 39, highlight_}, {22, 12, face_}, {23, 13, kIn}}, false},
        {"flat focused", BS_PUSHBUTTON, nullptr, ODS_FOCUS, {{0, 0, face_}}, false},
        {"flat with focus rectangle", BS_PUSHBUTTON, [](ProbeButton& b) { b.ShowFlatFocusRect(true); }, ODS_FOCUS,
         {{0, 0, face_}}, true},
        {"frameless hovered", BS_PUSHBUTTON, frameless, 0, {{0, 0, face_}, {59, 39, face_}, {22, 12, kIn}}, false},
        {"frameless pressed", BS_PUSHBUTTON, frameless, ODS_SELECTED, {{0, 0, face_}, {23, 13, kIn}}, false},
        {"check mode hovered", BS_AUTOCHECKBOX, hovered, 0, {{0, 0, highlight_}, {22, 12, kOut}}, false},
        {"checked, not shifted", BS_AUTOCHECKBOX,
         [](ProbeButton& b) { SendMessageA(b.Handle(), BM_SETCHECK, BST_INDETERMINATE, 0); }, 0,
         {{0, 0, shadow_}, {22, 12, kIn}}, false},
        {"check mode pressed", BS_AUTOCHECKBOX, nullptr, ODS_SELECTED, {{22, 12, kIn}}, false},
        {"press style 1", BS_PUSHBUTTON, [](ProbeButton& b) { b.SetPressShiftStyle(1); }, ODS_SELECTED,
         {{22, 13, face_}, {22, 14, kIn}, {37, 29, kIn}}, false},
    };
    for (const auto& c : cases) {
        ProbeButton button;
        MakeWithIcons(button, c.style);
        if (c.prepare)
            c.prepare(button);
        Render(button, c.state, surface_);
        EXPECT_TRUE(PixelsAre(surface_, c.probes)) << c.name;
        int dots = 0;
        for (int x = 4; x < 56; ++x)
            dots += surface_.Pixel(x, 3) != face_;
        EXPECT_EQ(dots > 10, c.focusDots) << c.name;
    }
    ProbeButton onlyIn;
    MakeWithIcons(onlyIn, BS_PUSHBUTTON, false);
    Render(onlyIn, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{22, 12, kIn}})) << "no out icon";
}

// A 120 x 60 button: the caption's ink is centred in what the image leaves.
TEST_F(IconButtonDrawing, CaptionIsCentredInTheSpaceEachPlacementLeaves)
{
    struct Case {
        int placement;
        POINT image;
        POINT captionCentre;
    };
    const Case cases[] = {
        {0, {3, 20}, {71, 30}}, {1, {50, 3}, {60, 41}}, {2, {97, 20}, {50, 30}}, {3, {0, 0}, {60, 30}}};
    DibSurface surface(120, 60);
    for (const Case& c : cases) {
        ProbeButton button;
        Make(button, BS_PUSHBUTTON, "Ab", {0, 0, 120, 60});
        button.AssignIcons(MakeSquareIcon(20, 0, kOut));
        ASSERT_EQ(button.SetImagePlacement(c.placement), 0u);
        Render(button, 0, surface);
        const RECT image = ExtentOf(surface, kOut);
        const RECT ink = ExtentOf(surface, GetSysColor(COLOR_BTNTEXT));
        EXPECT_EQ(image.left, c.image.x) << c.placement;
        EXPECT_EQ(image.top, c.image.y) << c.placement;
        EXPECT_NEAR((ink.left + ink.right) / 2, c.captionCentre.x, 2) << c.placement;
        EXPECT_NEAR((ink.top + ink.bottom) / 2, c.captionCentre.y, 4) << c.placement;
    }
}

TEST_F(IconButtonDrawing, StateColoursPaintBackgroundAndCaption)
{
    ProbeButton button;
    Make(button, BS_PUSHBUTTON, "Ab");
    for (int slot = 0; slot < 6; ++slot)
        ASSERT_EQ(button.SetStateColour(slot, RGB(40 * slot, 10, 20)), 0u);
    const struct {
        bool hovered;
        UINT state;
        int slot;
    } cases[] = {{false, 0, 2}, {true, 0, 0}, {false, ODS_SELECTED, 0}, {false, ODS_FOCUS, 4}};
    for (const auto& c : cases) {
        button.SetHovered(c.hovered);
        Render(button, c.state, surface_);
        COLORREF text = 0;
        button.GetStateColour(c.slot + 1, &text);
        EXPECT_TRUE(PixelsAre(surface_, {{30, 2, RGB(40 * c.slot, 10, 20)}})) << c.slot;
        const RECT ink = ExtentOf(surface_, text);
        EXPECT_FALSE(IsRectEmpty(&ink)) << c.slot;
    }
    SendMessageA(button.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    button.SetHovered(false);
    Render(button, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{30, 2, face_}})) << "system colours again";
}

TEST_F(IconButtonDrawing, DisabledButtonsEmbossImagesAndCaption)
{
    const auto onlyEmbossColours = [this](const RECT& area) {
        int shadows = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF colour = surface_.Pixel(x, y);
                if (colour != face_ && colour != highlight_ && colour != shadow_)
                    return false;
                shadows += colour == shadow_;
            }
        }
        return shadows > 0;
    };
    ProbeButton icon;
    MakeWithIcons(icon);
    Render(icon, ODS_DISABLED, surface_);
    EXPECT_TRUE(onlyEmbossColours({20, 10, 41, 31})) << "icon";
    EXPECT_TRUE(PixelsAre(surface_, {{20, 10, face_}, {22, 12, shadow_}})) << "transparent edge not embossed";

    ProbeButton bitmap;
    Make(bitmap);
    ASSERT_EQ(bitmap.AssignBitmaps(MakeFramedBitmap({24, 16}, kGreen, kMagenta), kMagenta), 0u);
    Render(bitmap, ODS_DISABLED, surface_);
    EXPECT_TRUE(onlyEmbossColours({18, 12, 43, 29})) << "bitmap";
    EXPECT_TRUE(PixelsAre(surface_, {{18, 12, face_}, {20, 14, shadow_}})) << "transparent edge not embossed";

    // The font may smooth its edges; the caption's own colour is nowhere.
    ProbeButton caption;
    Make(caption, BS_PUSHBUTTON, "Ab");
    Render(caption, ODS_DISABLED, surface_);
    const RECT raised = ExtentOf(surface_, highlight_), sunk = ExtentOf(surface_, shadow_),
               plain = ExtentOf(surface_, GetSysColor(COLOR_BTNTEXT));
    EXPECT_FALSE(IsRectEmpty(&raised));
    EXPECT_FALSE(IsRectEmpty(&sunk));
    EXPECT_TRUE(IsRectEmpty(&plain));
}

// The button is hidden, so that the parent's pixels under it are the
// parent's own.
TEST_F(IconButtonDrawing, ParentBackdropShowsTheParentsPixelsUntilDiscarded)
{
    const COLORREF left = kParentColour, right = RGB(250, 240, 0);
    RedrawWindow(parent_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    {
        const WindowDC parentDc(parent_->Handle());
        FillSolidRect(parentDc.Get(), {150, 0, 300, 200}, right);
    }
    ProbeButton button;
    Make(button, 0);
    ShowWindow(button.Handle(), SW_HIDE);
    ASSERT_EQ(button.UseParentBackdrop(false), 0u);
    Render(button, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{0, 0, left}, {59, 39, left}}));

    SetWindowPos(button.Handle(), nullptr, 200, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Render(button, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{0, 0, left}})) << "kept in the cache";
    button.UseParentBackdrop(false);
    Render(button, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{0, 0, right}, {59, 39, right}})) << "after discarding";

    DibSurface painted(300, 200);
    painted.SetPixel(205, 17, kMagenta);
    ASSERT_EQ(button.CaptureBackdrop(painted.Dc()), 0u);
    Render(button, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{5, 7, kMagenta}, {6, 7, kBlack}})) << "captured from a DC";
}

}  // namespace
