// The icon gallery in its own process, driven with real X input: hover and
// leave, clicks and a double click in check mode, the drop-down menu, the
// tooltips, the cursor and the link, each looked at from outside.

#include "fixture_window_test.h"
#include "host_path.h"
#include "program_windows.h"
#include "wait_until.h"
#include "widget_test_ids.h"
#include "x_input.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

const POINT kOutside{900, 900};
const COLORREF kInGrey = RGB(76, 76, 76);          // 0.299 x 255
const COLORREF kPictureDarker = RGB(0, 120, 0);  // 75 % of 160

COLORREF ScreenPixel(POINT point)
{
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string Hex(COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06lX", static_cast<unsigned long>(colour));
    return text;
}

// The screen shows `colour` at `point` within the bound.
::testing::AssertionResult Shows(POINT point, COLORREF colour)
{
    if (WaitUntil([&] { return ScreenPixel(point) == colour; }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << point.x << "," << point.y << ") is " << Hex(ScreenPixel(point))
                                         << ", not " << Hex(colour);
}

HWND ShownMenu()
{
    const HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

class IconGalleryTest : public FixtureWindowTest {
protected:
    void SetUp() override { ASSERT_TRUE(Open(ProgramBesideThisOne(L"icon_gallery.exe"), L"buttons")); }

    POINT Centre(int id) const { return CentreOf(Control(id)); }
    POINT Corner(int id) const
    {
        RECT rect;
        GetWindowRect(Control(id), &rect);
        return {rect.left, rect.top};
    }
    void Input(const std::string& commands) { ASSERT_TRUE(input_.Run(commands)) << commands; }
    void MoveTo(POINT point, const std::string& then = "")
    {
        Input("mousemove --sync " + XCoordinates(point) + " " + then);
    }
    LRESULT Ask(UINT query, WPARAM id) const { return SendMessageA(window_, query, id, 0); }
    bool Hovered(int id) const { return Ask(kGalleryIsHovered, id) != 0; }
    LRESULT Clicks(int id) const { return Ask(kGalleryCommandCount, id); }

    // Last, so that it lets go of the mouse before the gallery closes.
    XInput input_;
};

// At rest, then hovered: the tooltips and the cursor come with the hover.
TEST_F(IconGalleryTest, HoverSwapsIconsRaisesTheFlatFrameAndShowsTipsAndCursorUntilThePointerLeaves)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const DWORD process = fixture_->Process().Id();
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_FLAT), kTestOutColour));
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_MENU), kInGrey));
    EXPECT_TRUE(Shows({Centre(IDC_GALLERY_MENU).x - 14, Centre(IDC_GALLERY_MENU).y}, face));
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_LINK), kPictureDarker));
    EXPECT_TRUE(Shows({Centre(IDC_GALLERY_LINK).x, Corner(IDC_GALLERY_LINK).y + 13}, face));

    MoveTo(Centre(IDC_GALLERY_FLAT));
    ASSERT_TRUE(WaitUntil([&] { return Hovered(IDC_GALLERY_FLAT); }));
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_FLAT), kTestInColour));
    EXPECT_TRUE(Shows(Corner(IDC_GALLERY_FLAT), GetSysColor(COLOR_BTNHIGHLIGHT)));
    ASSERT_TRUE(WaitUntil([&] { return VisibleTopLevel(process, TOOLTIPS_CLASSA); }));
    const HWND plainTip = VisibleTopLevel(process, TOOLTIPS_CLASSA);
    EXPECT_FALSE(GetWindowLongA(plainTip, GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(SendMessageA(plainTip, TTM_GETMAXTIPWIDTH, 0, 0), 400);

    // Without its frame, on its parent's pixels, only the icon changes.
    MoveTo(Centre(IDC_GALLERY_FRAMELESS));
    ASSERT_TRUE(WaitUntil([&] { return Hovered(IDC_GALLERY_FRAMELESS) && !Hovered(IDC_GALLERY_FLAT); }));
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_FRAMELESS), kTestInColour));
    EXPECT_TRUE(Shows(Corner(IDC_GALLERY_FRAMELESS), kGalleryBackground));
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_FLAT), kTestOutColour));
    EXPECT_TRUE(Shows(Corner(IDC_GALLERY_FLAT), face));

    MoveTo(Centre(IDC_GALLERY_CURSOR));
    ASSERT_TRUE(WaitUntil([&] {
        HWND tip = VisibleTopLevel(process, TOOLTIPS_CLASSA);
        return tip && tip != plainTip;
    }));
    EXPECT_TRUE(GetWindowLongA(VisibleTopLevel(process, TOOLTIPS_CLASSA), GWL_STYLE) & TTS_BALLOON);
    const auto cursor = reinterpret_cast<HCURSOR>(Ask(kGalleryCursor, IDC_GALLERY_CURSOR));
    EXPECT_TRUE(cursor && WaitUntil([&] {
        CURSORINFO info{};
        info.cbSize = sizeof info;
        return GetCursorInfo(&info) && info.hCursor == cursor;
    }));

    MoveTo(kOutside);
    ASSERT_TRUE(WaitUntil([&] { return !Hovered(IDC_GALLERY_CURSOR); }));
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_CURSOR), kTestOutColour));
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_FRAMELESS), kTestOutColour));
}

// In check mode hovering keeps the out icon; the checked state shows the in
// icon. The second click of a double click toggles as well.
TEST_F(IconGalleryTest, ClicksToggleInCheckModeAndADoubleClickCountsAsTwoClicks)
{
    MoveTo(Centre(IDC_GALLERY_CHECK));
    ASSERT_TRUE(WaitUntil([&] { return Hovered(IDC_GALLERY_CHECK); }));
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_CHECK), kTestOutColour));

    Input("click 1");
    ASSERT_TRUE(WaitUntil([&] { return Clicks(IDC_GALLERY_CHECK) == 1; }));
    EXPECT_EQ(Send(IDC_GALLERY_CHECK, BM_GETCHECK), BST_CHECKED);
    EXPECT_TRUE(Shows(Centre(IDC_GALLERY_CHECK), kTestInColour));

    Input("click --repeat 2 --delay 80 1");
    ASSERT_TRUE(WaitUntil([&] { return Clicks(IDC_GALLERY_CHECK) == 3; })) << Clicks(IDC_GALLERY_CHECK);
    EXPECT_EQ(Send(IDC_GALLERY_CHECK, BM_GETCHECK), BST_CHECKED);
}

TEST_F(IconGalleryTest, DropMenuPostsTheChosenCommandAfterItsNotification)
{
    MoveTo(Centre(IDC_GALLERY_MENU), "click 1");
    ASSERT_TRUE(WaitUntil([] { return ShownMenu(); }));
    EXPECT_EQ(Ask(kGalleryNotifications, 0), 1);
    Input("key Down Down Return");
    ASSERT_TRUE(WaitUntil([&] { return Clicks(IDM_TEST_SECOND) == 1; }));

    // Closed without a choice: no command at all.
    Input("click 1");
    ASSERT_TRUE(WaitUntil([] { return ShownMenu(); }));
    Input("key Escape");
    ASSERT_TRUE(WaitUntil([] { return !ShownMenu(); }));
    Input("click 1");
    ASSERT_TRUE(WaitUntil([] { return ShownMenu(); }));
    Input("key Down Return");
    ASSERT_TRUE(WaitUntil([&] { return Clicks(IDM_TEST_FIRST) == 1; }));
    EXPECT_EQ(Clicks(0), 0);
    EXPECT_EQ(Clicks(IDM_TEST_SECOND), 1);
    EXPECT_EQ(Ask(kGalleryNotifications, 0), 3);
}

TEST_F(IconGalleryTest, LinkOpensItsTargetMaximised)
{
    MoveTo(Centre(IDC_GALLERY_LINK), "click 1");
    ASSERT_TRUE(WaitUntil([] { return FindWindowA(nullptr, kGalleryLinkedTitle); }));
    const HWND opened = FindWindowA(nullptr, kGalleryLinkedTitle);
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(opened); }));
    PostMessageA(opened, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(opened); }));
}

}  // namespace
