// The main frame's bars and resources: the status bar's indicator panes stay
// at its right end whatever the frame's size, the bar on the screen is the
// bar drawn, and the menus and accelerators go with the program.

#include "doc_template.h"
#include "guards.h"
#include "mdi_child.h"
#include "mdi_frame.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr int kIndicatorPanes = 4;

std::vector<RECT> PaneRects(HWND bar)
{
    std::vector<RECT> panes(1 + kIndicatorPanes);
    for (size_t i = 0; i < panes.size(); ++i)
        SendMessageA(bar, SB_GETRECT, i, reinterpret_cast<LPARAM>(&panes[i]));
    return panes;
}

// The window's pixels as the screen shows them, and as the window draws
// itself when asked.
std::vector<COLORREF> Pixels(HWND window, bool fromScreen)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    WindowDC screen(nullptr);
    OwnedMemoryDC memory(CreateCompatibleDC(screen.Get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    SelectedObject selected(memory.Get(), bitmap.Get());
    if (fromScreen)
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
    else
        PrintWindow(window, memory.Get(), 0);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(memory.Get(), x, y));
    return pixels;
}

TEST(FrameTest, StatusBarIndicatorsStayAtTheRightEndAndTheBarIsDrawnAtEverySize)
{
    TestApp app;
    HWND frame = app.MainFrame()->Handle();
    HWND bar = GetDlgItem(frame, kCommandToggleStatusBar);
    ASSERT_TRUE(bar);
    ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 1 + kIndicatorPanes);
    const std::vector<RECT> first = PaneRects(bar);

    for (int width : {760, 1000, 1280, 480, 640, 1100}) {
        SetWindowPos(frame, nullptr, 0, 0, width, 400, SWP_NOZORDER | SWP_NOACTIVATE);
        TestApp::Pump();
        RECT client;
        GetClientRect(bar, &client);
        const std::vector<RECT> panes = PaneRects(bar);
        EXPECT_EQ(panes.back().right, client.right) << width << " px: the last pane ends at the bar's end";
        for (int i = 1; i <= kIndicatorPanes; ++i) {
            EXPECT_EQ(panes[i].right - panes[i].left, first[i].right - first[i].left)
                << width << " px: indicator " << i << " keeps its width";
        }
        EXPECT_GT(panes[1].left, 0) << width << " px";
        EXPECT_TRUE(Pixels(bar, true) == Pixels(bar, false)) << width << " px: the screen shows the bar undrawn";
    }
}

bool IsAcceleratorTable(HACCEL table)
{
    return CopyAcceleratorTableA(table, nullptr, 0) > 0;
}

TEST(FrameTest, MenusAndAcceleratorsAreDestroyedWithTheProgram)
{
    HMENU frameMenu = nullptr, documentMenu = nullptr;
    HACCEL frameKeys = nullptr, documentKeys = nullptr;
    {
        TestApp app;
        frameMenu = GetMenu(app.MainFrame()->Handle());
        frameKeys = app.MainFrame()->Accelerators();
        documentMenu = app.FirstTemplate()->Menu();
        documentKeys = app.FirstTemplate()->Accelerators();
        // A document comes and goes: each menu is shown in turn and stays.
        app.Command(kCommandNew);
        EXPECT_EQ(GetMenu(app.MainFrame()->Handle()), documentMenu);
        SendMessageA(app.MainFrame()->ActiveChild()->Handle(), WM_CLOSE, 0, 0);
        TestApp::Pump();
        EXPECT_EQ(GetMenu(app.MainFrame()->Handle()), frameMenu);
        for (HMENU menu : {frameMenu, documentMenu})
            EXPECT_TRUE(IsMenu(menu));
        EXPECT_TRUE(IsAcceleratorTable(frameKeys));
        EXPECT_TRUE(!documentKeys || IsAcceleratorTable(documentKeys)) << "the template's own, when it has one";
    }
    for (HMENU menu : {frameMenu, documentMenu})
        EXPECT_FALSE(IsMenu(menu));
    for (HACCEL table : {frameKeys, documentKeys})
        EXPECT_FALSE(IsAcceleratorTable(table));
}

}  // namespace

namespace {

// The menus' labels and the message pane through the wide functions: ctest
// runs this also on a system whose code page is not 932.
TEST(WideInterfaceTest, MenusAndTheMessagePaneShowTheJapaneseTexts)
{
    TestApp app("ja");
    HWND frame = app.MainFrame()->Handle();
    const auto labels = [frame] {
        std::vector<std::wstring> shown;
        HMENU menu = GetMenu(frame);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t label[64] = L"";
            GetMenuStringW(menu, static_cast<UINT>(i), label, 64, MF_BYPOSITION);
            shown.push_back(label);
        }
        return shown;
    };
    EXPECT_EQ(labels(), (std::vector<std::wstring>{L"ﾌｧｲﾙ(&F)", L"表示(&V)", L"変換(&H)", L"ﾍﾙﾌﾟ(&H)"}));
    app.Command(kCommandNew);
    EXPECT_EQ(labels(), (std::vector<std::wstring>{L"ﾌｧｲﾙ(&F)", L"編集(&E)", L"表示(&V)", L"変換(&H)",
                                                   L"ｳｨﾝﾄﾞｳ(&W)", L"ﾍﾙﾌﾟ(&H)"}));
    wchar_t pane[64] = L"";
    SendMessageW(GetDlgItem(frame, kCommandToggleStatusBar), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(pane));
    EXPECT_EQ(std::wstring(pane), L"レディ");
}

}  // namespace
