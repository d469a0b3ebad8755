#include "about_dialog.h"
#include "dialog_answer.h"
#include "guards.h"
#include "help.h"
#include "help_recording.h"
#include "quillscape_app.h"
#include "quillscape_process.h"
#include "resource.h"
#include "test_app.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

namespace {

// The text takes one line within the control's width in `font`. (The
// height is the template's: under Wine the GUI font's underline falls one
// pixel below the link's 8 dialog units.)
void ExpectOneLine(HWND control, HFONT font)
{
    const std::wstring text = WindowText(control);
    WindowDC dc(control);
    SelectedObject selected(dc.Get(), font);
    RECT area, needed;
    GetClientRect(control, &area);
    needed = area;
    DrawTextW(dc.Get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
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
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_VERSION_LINE)), L"Quillscape Version 2.0.2");
        HWND link = GetDlgItem(dialog, IDC_PRODUCT_LINK);
        EXPECT_EQ(WindowText(link), kProductPageAddress);
        EXPECT_TRUE(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY) << "the link takes clicks";

        OwnedMemoryDC dc(CreateCompatibleDC(nullptr));
        SavedDC saved(dc.Get());
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()), reinterpret_cast<LPARAM>(link)));
        LOGBRUSH background{};
        GetObjectA(brush, sizeof background, &background);
        EXPECT_EQ(background.lbColor, GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(GetTextColor(dc.Get()), RGB(0, 102, 204));
        EXPECT_EQ(GetBkMode(dc.Get()), TRANSPARENT);
        const auto font = static_cast<HFONT>(GetCurrentObject(dc.Get(), OBJ_FONT));
        LOGFONTA linkFont{}, guiFont{};
        GetObjectA(font, sizeof linkFont, &linkFont);
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont);
        EXPECT_TRUE(linkFont.lfUnderline);
        EXPECT_STREQ(linkFont.lfFaceName, guiFont.lfFaceName);
        EXPECT_EQ(linkFont.lfHeight, guiFont.lfHeight);

        for (HWND text = GetWindow(dialog, GW_CHILD); text; text = GetWindow(text, GW_HWNDNEXT)) {
            if ((GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT)
                ExpectOneLine(text, text == link ? font : reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)));
        }

        EXPECT_EQ(SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_CURSOR)));

        HELPINFO info{sizeof info, HELPINFO_WINDOW, IDOK, GetDlgItem(dialog, IDOK), 0, {0, 0}};
        SendMessageA(GetDlgItem(dialog, IDOK), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(HelpViewersOfThread(GetCurrentThreadId()).size(), 1u);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(RecordedFiles(HH_DISPLAY_TOC), std::vector<std::string>{Narrow(HelpFilePath())})
        << "the contents, once: the about box keeps the help message from its owner";
}

}  // namespace
