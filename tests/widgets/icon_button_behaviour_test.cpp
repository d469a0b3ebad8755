// The icon button's behaviour in this process: failure codes, what
// subclassing makes of each button type, the focus when disabled, and what
// it frees.

#include "icon_button_test_support.h"
#include "widget_test_ids.h"

#include <memory>
#include <string>

namespace {

using IconButtonBehaviour = IconButtonTest;

TEST_F(IconButtonBehaviour, SettersAnswerTheirFailureCodes)
{
    ProbeButton button;
    Make(button);
    COLORREF colour = 0;
    const WindowDC screen(nullptr);
    const struct {
        const char* call;
        DWORD code;
        DWORD expected;
    } cases[] = {
        {"placement 4", button.SetImagePlacement(4), 4},
        {"placement 3", button.SetImagePlacement(3), 0},
        {"press style 2", button.SetPressShiftStyle(2), 6},
        {"set slot 6", button.SetStateColour(6, 0), 3},
        {"get slot 6", button.GetStateColour(6, &colour), 3},
        {"shift slot 6", button.ShiftStateColour(6, 1), 3},
        {"shift 256", button.ShiftStateColour(0, 256), 5},
        {"shift -255", button.ShiftStateColour(0, -255), 0},
        {"backdrop mode off", button.CaptureBackdrop(screen.Get()), 5},
        {"no cursor resource", button.AssignCursor(999), 1},
        {"no menu resource", button.AssignDropMenu(999, nullptr), 1},
        {"no string resource", button.AssignTip(999), 1},
        {"no icon resource", button.AssignIcons(999, IDI_TEST_OUT), 1},
        {"no bitmap resource", button.AssignBitmaps(999, 0), 1},
        {"not an icon", button.AssignIcons(reinterpret_cast<HICON>(GetStockObject(BLACK_PEN))), 1},
        {"not a bitmap", button.AssignBitmaps(reinterpret_cast<HBITMAP>(GetStockObject(BLACK_PEN)), 0), 1},
        {"icons by id", button.AssignIcons(IDI_TEST_IN, CIconButton::kDarkerCopy), 0},
        {"null DC", (button.UseParentBackdrop(false), button.CaptureBackdrop(nullptr)), 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, c.expected) << c.call;
    button.GetStateColour(0, &colour);
    EXPECT_EQ(colour, RGB(0, 0, 0)) << "face shifted down to black on all channels alike";
    ASSERT_EQ(button.SetStateColour(5, RGB(200, 10, 20)) + button.ShiftStateColour(5, 255), 0u);
    button.GetStateColour(5, &colour);
    EXPECT_EQ(colour, RGB(255, 65, 75)) << "shifted up as far as red goes";

    // 259 bytes and a two-byte character: the character does not fit.
    const std::string fits(259, 'a');
    button.AssignLink((fits + "あ").c_str());
    EXPECT_EQ(button.Link(), fits);
    button.AssignLink((fits.substr(1) + "あ").c_str());
    EXPECT_EQ(button.Link().size(), 260u);
}

TEST_F(IconButtonBehaviour, SubclassingMakesEveryTypeOwnerDrawnAndKeepsWhatItMeant)
{
    const struct {
        DWORD style;
        bool toggles;
        bool isDefault;
        int kept;
    } cases[] = {{BS_PUSHBUTTON, false, false, BS_PUSHBUTTON},    {BS_DEFPUSHBUTTON, false, true, BS_PUSHBUTTON},
                 {BS_AUTOCHECKBOX, true, false, BS_AUTOCHECKBOX}, {BS_3STATE, true, false, BS_3STATE},
                 {BS_OWNERDRAW, false, false, BS_OWNERDRAW},     {BS_RADIOBUTTON, false, false, BS_RADIOBUTTON}};
    for (const auto& c : cases) {
        ProbeButton button;
        const HWND control = Make(button, c.style);
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & 0x1F, BS_OWNERDRAW) << c.style;
        EXPECT_EQ(button.SubclassType(), c.kept) << c.style;
        SendMessageA(control, BM_SETCHECK, BST_INDETERMINATE, 0);
        EXPECT_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), c.toggles ? BST_CHECKED : BST_UNCHECKED) << c.style;
        const LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
        EXPECT_EQ((code & DLGC_DEFPUSHBUTTON) != 0, c.isDefault) << c.style;
        EXPECT_EQ((code & DLGC_UNDEFPUSHBUTTON) != 0, !c.isDefault) << c.style;
    }
    ProbeButton button;
    const HWND control = Make(button);
    SendMessageA(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & 0x1F, BS_OWNERDRAW);
    EXPECT_TRUE(SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    const HDC dc = GetDC(control);
    EXPECT_EQ(SendMessageA(parent_->Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(control)),
              reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    ReleaseDC(control, dc);
}

// Tab order: the button, then two edits.
TEST_F(IconButtonBehaviour, DisablingMovesTheFocusOnlyWhenTheButtonHasIt)
{
    ProbeButton button;
    const HWND control = Make(button);
    const HWND first = parent_->AddControl("Edit", 0, WS_TABSTOP, "", {10, 60, 70, 80});
    const HWND second = parent_->AddControl("Edit", 0, WS_TABSTOP, "", {10, 90, 70, 110});
    SetFocus(control);
    ASSERT_EQ(GetFocus(), control);
    EnableWindow(control, FALSE);
    EXPECT_EQ(GetFocus(), first);

    EnableWindow(control, TRUE);
    SetFocus(second);
    EnableWindow(control, FALSE);
    EXPECT_EQ(GetFocus(), second);
}

TEST_F(IconButtonBehaviour, ImagesCursorMenuAndTipAreFreedWhenReplacedAndWithTheButton)
{
    const auto iconLives = [](HICON icon) {
        ICONINFO info{};
        if (!GetIconInfo(icon, &info))
            return false;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return true;
    };
    const auto bitmapLives = [](HBITMAP bitmap) {
        BITMAP info;
        return GetObjectA(bitmap, sizeof info, &info) != 0;
    };
    auto button = std::make_unique<ProbeButton>();
    const HWND control = Make(*button);
    const HICON in = MakeSquareIcon(20, 2, RGB(255, 0, 0)), out = MakeSquareIcon(20, 2, RGB(0, 0, 255));
    button->AssignIcons(in, out);
    const HBITMAP bitmap = MakeFramedBitmap({24, 16}, RGB(0, 160, 0), RGB(255, 0, 255));
    ASSERT_EQ(button->AssignBitmaps(bitmap, RGB(255, 0, 255)), 0u);
    EXPECT_FALSE(iconLives(in));
    EXPECT_FALSE(iconLives(out));
    const HICON last = MakeSquareIcon(20, 2, RGB(255, 0, 0));
    button->AssignIcons(last, last);
    EXPECT_FALSE(bitmapLives(bitmap));

    ASSERT_EQ(button->AssignCursor(IDC_TEST_POINTER) + button->AssignDropMenu(IDR_TEST_MENU, nullptr) +
                  button->AssignTip(L"tip"),
              0u);
    const HCURSOR cursor = button->Cursor();
    const HMENU menu = button->Menu();
    const HWND tip = button->Tip();

    button.reset();
    EXPECT_FALSE(IsWindow(control));
    EXPECT_FALSE(iconLives(last));
    EXPECT_FALSE(iconLives(cursor));
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_FALSE(IsWindow(tip));
}

TEST_F(IconButtonBehaviour, FitToImageSizesTheButtonToTheInImage)
{
    ProbeButton button;
    const HWND control = Make(button);
    ASSERT_EQ(button.AssignIcons(IDI_TEST_IN, IDI_TEST_OUT), 0u);
    button.FitToImage();
    RECT rect;
    GetWindowRect(control, &rect);
    EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(rect.bottom - rect.top, GetSystemMetrics(SM_CYICON));
    ASSERT_EQ(button.AssignBitmaps(IDB_TEST_PICTURE, RGB(255, 0, 255)), 0u);
    button.FitToImage();
    GetWindowRect(control, &rect);
    EXPECT_EQ(rect.right - rect.left, 24);
    EXPECT_EQ(rect.bottom - rect.top, 16);
}

}  // namespace
