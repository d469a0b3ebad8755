#include "about_dialog.h"
#include "guards.h"
#include "help.h"
#include "help_recording.h"
#include "modal_dialog.h"
#include "quillscape_app.h"
#include "resource.h"
#include "test_app.h"
#include "quillscape_process.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

namespace {

// How the dialog prepares a device context for painting `control`.
struct Painting {
    HBRUSH brush;
    COLORREF textColour;
    int backgroundMode;
    LOGFONTA font;
};

Painting PaintingOf(HWND dialog, HWND control)
{
    OwnedMemoryDC dc(CreateCompatibleDC(nullptr));
    SavedDC saved(dc.Get());
    Painting painting{};
    painting.brush = reinterpret_cast<HBRUSH>(
        SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()), reinterpret_cast<LPARAM>(control)));
    painting.textColour = GetTextColor(dc.Get());
    painting.backgroundMode = GetBkMode(dc.Get());
    GetObjectA(GetCurrentObject(dc.Get(), OBJ_FONT), sizeof painting.font, &painting.font);
    return painting;
}

LOGFONTA FontOf(HWND control)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// The static's text, laid out as the control lays it out, takes one line
// within the control's width. (Its height is the template's: under Wine the
// GUI font's underline falls one pixel below the link's 8 dialog units.)
void ExpectOneLine(HWND control, const LOGFONTA& description)
{
    const std::string text = WindowText(control);
    WindowDC dc(control);
    OwnedFont font(CreateFontIndirectA(&description));
    SelectedObject selected(dc.Get(), font.Get());
    RECT area, needed;
    GetClientRect(control, &area);
    needed = area;
    DrawTextA(dc.Get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.Get(), &metrics);
    EXPECT_LE(needed.right, area.right) << text;
    EXPECT_EQ(needed.bottom, metrics.tmHeight) << text << ": wrapped";
}

TEST(AboutBoxTest, ShowsTheVersionAndALinkThatLooksAndPointsLikeOne)
{
    TestApp app;
    ForgetRecordedHelpCalls();
    WithModalDialog([&] { app.Command(kCommandAbout); }, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Quillscape のﾊﾞｰｼﾞｮﾝ情報");
        ExpectClientSize(dialog, 235, 145);
        ExpectControls(dialog, {
            {-1, "Static", SS_ICON, 0, nullptr, {11, 17, 20, 20}},
            {IDC_VERSION_LINE, "Static", SS_LEFT, SS_NOPREFIX, "Quillscape Version 2.0.2", {40, 10, 96, 8}},
            {-1, "Static", SS_LEFT, 0, "Copyright (C) Quon", {40, 24, 119, 8}},
            {-1, "Static", SS_LEFT, 0, "お問い合わせは下記へ", {40, 38, 88, 12}},
            {IDOK, "Button", BS_DEFPUSHBUTTON, WS_TABSTOP, "OK", {178, 7, 50, 14}},
            {-1, "Static", SS_BLACKFRAME, SS_SUNKEN, "", {6, 55, 221, 1}},
            {-1, "Static", SS_LEFT, 0, "最新版:", {13, 66, 26, 8}},
            {IDC_PRODUCT_LINK, "Static", SS_LEFT, SS_NOTIFY, kProductPageAddress, {55, 66, 69, 8}},
        });
        HWND icon = GetWindow(dialog, GW_CHILD);
        EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0) << "the program icon";

        HWND link = GetDlgItem(dialog, IDC_PRODUCT_LINK);
        const Painting painting = PaintingOf(dialog, link);
        LOGBRUSH brush{};
        GetObjectA(painting.brush, sizeof brush, &brush);
        EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(painting.textColour, RGB(0, 102, 204));
        EXPECT_EQ(painting.backgroundMode, TRANSPARENT);
        LOGFONTA guiFont{};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont);
        EXPECT_TRUE(painting.font.lfUnderline);
        EXPECT_STREQ(painting.font.lfFaceName, guiFont.lfFaceName);
        EXPECT_EQ(painting.font.lfHeight, guiFont.lfHeight);
        EXPECT_NE(PaintingOf(dialog, GetDlgItem(dialog, IDC_VERSION_LINE)).brush, painting.brush)
            << "the other texts paint as the dialog does";

        // Every text shows whole on one line, the address in the link's font.
        for (HWND text = GetWindow(dialog, GW_CHILD); text; text = GetWindow(text, GW_HWNDNEXT)) {
            if ((GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT)
                ExpectOneLine(text, text == link ? painting.font : FontOf(text));
        }

        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        EXPECT_EQ(SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_CURSOR)));

        HELPINFO info{sizeof info, HELPINFO_WINDOW, IDOK, GetDlgItem(dialog, IDOK), 0, {0, 0}};
        SendMessageA(GetDlgItem(dialog, IDOK), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(HelpViewersOfThread(GetCurrentThreadId()).size(), 1u);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(RecordedFiles(HH_DISPLAY_TOC), std::vector<std::string>{HelpFilePath()})
        << "the contents, once: the about box keeps the message";
}

}  // namespace
