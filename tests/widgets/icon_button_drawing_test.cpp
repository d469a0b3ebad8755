// The icon button drawn into memory DCs: frames, chosen images, press
// shift, check mode, default and focus frames, caption placement, disabled
// embossing, image copies, masks and the parent's backdrop.

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

TEST_F(IconButtonDrawing, EachStateDrawsItsFrameImageAndShift)
{
    const COLORREF light = GetSysColor(COLOR_3DLIGHT), dark = GetSysColor(COLOR_3DDKSHADOW);
    struct Case {
        const char* name;
        bool flat;
        bool frame;
        bool hovered;
        UINT state;
        std::initializer_list<Probe> probes;
    };
    const Case cases[] = {
        {"raised", false, true, false, 0,
         {{0, 0, highlight_}, {1, 1, light}, {59, 39, dark}, {58, 38, shadow_}, {5, 5, face_}, {21, 12, face_},
          {22, 12, kOut}, {37, 27, kOut}, {38, 27, face_}}},
        {"pressed", false, true, false, ODS_SELECTED,
         {{0, 0, shadow_}, {59, 39, shadow_}, {1, 1, face_}, {22, 12, face_}, {23, 13, kIn}, {38, 28, kIn}}},
        {"flat", true, true, false, 0, {{0, 0, face_}, {59, 39, face_}, {22, 12, kOut}}},
        {"flat hovered", true, true, true, 0, {{0, 0, highlight_}, {59, 39, shadow_}, {22, 12, kIn}}},
        {"flat pressed", true, true, false, ODS_SELECTED,
         {{0, 0, shadow_}, {59, 39, highlight_}, {22, 12, face_}, {23, 13, kIn}}},
        {"frameless hovered", true, false, true, 0, {{0, 0, face_}, {59, 39, face_}, {22, 12, kIn}}},
        {"frameless pressed", true, false, false, ODS_SELECTED, {{0, 0, face_}, {59, 39, face_}, {23, 13, kIn}}},
    };
    for (const Case& c : cases) {
        ProbeButton button;
        MakeWithIcons(button);
        button.SetFlatLook(c.flat);
        button.ShowFlatFrame(c.frame);
        button.SetHovered(c.hovered);
        Render(button, c.state, surface_);
        EXPECT_TRUE(PixelsAre(surface_, c.probes)) << c.name;
    }

    ProbeButton onlyIn;
    MakeWithIcons(onlyIn, BS_PUSHBUTTON, false);
    Render(onlyIn, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{22, 12, kIn}})) << "no out icon";
    ASSERT_EQ(onlyIn.SetPressShiftStyle(1), 0u);
    Render(onlyIn, ODS_SELECTED, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{22, 13, face_}, {22, 14, kIn}, {37, 29, kIn}})) << "press style 1";
}

TEST_F(IconButtonDrawing, CheckModeShowsTheInIconOnlyWhenCheckedOrPressed)
{
    ProbeButton button;
    MakeWithIcons(button, BS_AUTOCHECKBOX);
    button.SetHovered(true);
    Render(button, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{0, 0, highlight_}, {22, 12, kOut}})) << "hovered";

    SendMessageA(button.Handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessageA(button.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    Render(button, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{0, 0, shadow_}, {22, 12, kIn}})) << "checked, not shifted";
    SendMessageA(button.Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    Render(button, ODS_SELECTED, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{22, 12, kIn}})) << "pressed, not shifted";
}

TEST_F(IconButtonDrawing, DefaultAndFocusedButtonsGetTheirFrames)
{
    const auto focusDots = [this] {
        int dots = 0;
        for (int x = 4; x < 56; ++x)
            dots += surface_.Pixel(x, 3) != face_;
        return dots;
    };
    ProbeButton button;
    MakeWithIcons(button);
    button.SetFlatLook(false);
    SendMessageA(button.Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    Render(button, 0, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{0, 0, kBlack}, {59, 39, kBlack}, {1, 1, highlight_}})) << "default";
    EXPECT_EQ(focusDots(), 0);

    SendMessageA(button.Handle(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    Render(button, ODS_FOCUS, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{0, 0, kBlack}, {1, 1, highlight_}})) << "focused";
    EXPECT_GT(focusDots(), 10);

    button.SetFlatLook(true);
    Render(button, ODS_FOCUS, surface_);
    EXPECT_TRUE(PixelsAre(surface_, {{0, 0, face_}})) << "flat focused";
    EXPECT_EQ(focusDots(), 0);
    button.ShowFlatFocusRect(true);
    Render(button, ODS_FOCUS, surface_);
    EXPECT_GT(focusDots(), 10);
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
    ASSERT_EQ(button.ShiftStateColour(5, 255), 0u);  // (200, 10, 20) moves by 55 only
    COLORREF shifted = 0;
    ASSERT_EQ(button.GetStateColour(5, &shifted), 0u);
    EXPECT_EQ(shifted, RGB(255, 65, 75));
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

// The in bitmap's transparent edge shows the background in the bitmap and
// in its copies; copies of icons keep the icon's transparent edge.
TEST_F(IconButtonDrawing, CopiesAndMasksLeaveTheTransparentPartsTransparent)
{
    const struct {
        CIconButton::ImageCopy copy;
        COLORREF icon;
        COLORREF bitmap;
    } cases[] = {{CIconButton::kGreyCopy, RGB(76, 76, 76), RGB(93, 93, 93)},
                 {CIconButton::kDarkerCopy, RGB(191, 0, 0), RGB(0, 120, 0)}};
    for (const auto& c : cases) {
        ProbeButton icon;
        Make(icon);
        ASSERT_EQ(icon.AssignIcons(MakeSquareIcon(20, 2, kIn), c.copy), 0u);
        Render(icon, 0, surface_);
        EXPECT_TRUE(PixelsAre(surface_, {{21, 11, face_}, {22, 12, c.icon}, {37, 27, c.icon}, {38, 28, face_}}));
        icon.SetHovered(true);
        Render(icon, 0, surface_);
        EXPECT_TRUE(PixelsAre(surface_, {{21, 11, face_}, {22, 12, kIn}}));

        // A 24 x 16 bitmap spans (18, 12) to (41, 27), its green part (20, 14) to (39, 25).
        ProbeButton bitmap;
        Make(bitmap);
        ASSERT_EQ(bitmap.AssignBitmaps(MakeFramedBitmap({24, 16}, kGreen, kMagenta), kMagenta, c.copy), 0u);
        Render(bitmap, 0, surface_);
        EXPECT_TRUE(PixelsAre(surface_, {{18, 12, face_}, {19, 13, face_}, {20, 14, c.bitmap}, {39, 25, c.bitmap}}));
        bitmap.SetHovered(true);
        Render(bitmap, 0, surface_);
        EXPECT_TRUE(PixelsAre(surface_, {{18, 12, face_}, {20, 14, kGreen}, {40, 26, face_}}));
    }
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
