// The print preview in the program's main frame: it takes the frame's
// place and gives it back, pages through the document one or two pages at a
// time, zooms, keeps its page count in the profile, and draws each page as
// the printer prints it.
#include "printing_test.h"

#include "application.h"
#include "dialog_answer.h"
#include "dib_surface.h"
#include "edit_view.h"
#include "mdi_child.h"
#include "mdi_frame.h"
#include "print_preview.h"
#include "program_profile.h"
#include "quillscape_view.h"
#include "shown_text.h"
#include "view.h"
#include "wait_until.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dlgs.h>

#include <cstdlib>

namespace {

constexpr int kFinderBarId = 0xE805;
const char kSettings[] = "Settings";

void Press(HWND button)
{
    SendMessageA(button, BM_CLICK, 0, 0);
    TestApp::Pump();
}

bool ShowsScrollBar(HWND window, LONG bar)
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(window, bar, &info);
    return !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

// The colour the display shows at `point` in `shot`, a fresh screenshot.
COLORREF ScreenColour(const std::string& shot, POINT point)
{
    std::string pixel;
    if (!RunUnix("import -window root " + shot + " && convert " + shot + " -crop 1x1+" + std::to_string(point.x) +
                     "+" + std::to_string(point.y) + " -depth 8 txt:-",
                 &pixel))
        return CLR_INVALID;
    const size_t hash = pixel.find("  #");
    if (hash == std::string::npos)
        return CLR_INVALID;
    const unsigned long rgb = std::strtoul(pixel.substr(hash + 3, 6).c_str(), nullptr, 16);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A screenshot of the whole display for people to look at. Wine hands the
// frame's pixels to the X server while the program waits for messages: the
// shot is taken once the display shows the status bar, bounded.
void Screenshot(const char* name)
{
    HWND frame = Application::Current()->MainFrame()->Handle();
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT status;
    GetWindowRect(FindWindowExA(frame, nullptr, STATUSCLASSNAMEA, nullptr), &status);
    const POINT inStatusBar{(status.left + status.right) / 2, (status.top + status.bottom) / 2};
    const std::string shot = std::string(QS_PRINT_SHOTS_DIR) + "/" + name + ".png";
    ASSERT_TRUE(RunUnix(std::string("mkdir -p ") + QS_PRINT_SHOTS_DIR));
    const bool shown = WaitUntil(
        [&] {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            TestApp::Pump();
            return ScreenColour(shot, inStatusBar) == GetSysColor(COLOR_BTNFACE);
        },
        20000);
    EXPECT_TRUE(shown) << "the display never showed the frame for " << name;
}

// Rows of ink, each with its leftmost and rightmost dark pixel.
struct InkBand {
    int top, bottom, left, right;
};

std::vector<InkBand> InkBands(const GreyImage& image)
{
    std::vector<InkBand> bands;
    bool inBand = false;
    for (int y = 0; y < image.height; ++y) {
        int left = image.width, right = -1;
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y) < 128) {
                left = std::min(left, x);
                right = x;
            }
        }
        if (right < 0) {
            inBand = false;
            continue;
        }
        if (!inBand)
            bands.push_back(InkBand{y, y, left, right});
        InkBand& band = bands.back();
        band.bottom = y;
        band.left = std::min(band.left, left);
        band.right = std::max(band.right, right);
        inBand = true;
    }
    return bands;
}

// The preview's drawing of `page` into a memory bitmap of `width` x `height`.
GreyImage PreviewPicture(PrintPreview& preview, UINT page, int width, int height)
{
    DibSurface surface(width, height);
    preview.DrawPage(surface.Dc(), RECT{0, 0, width, height}, page);
    GdiFlush();
    GreyImage image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = surface.Pixel(x, y);
            image.pixels.push_back(
                static_cast<unsigned char>((GetRValue(colour) + GetGValue(colour) + GetBValue(colour)) / 3));
        }
    }
    return image;
}

class PreviewTest : public PrintingTest {
protected:
    HWND Frame() const { return app_.MainFrame()->Handle(); }
    PrintPreview* Preview() const { return app_.MainFrame()->Preview(); }
};

TEST_F(PreviewTest, ThePreviewTakesTheFrameAndGivesItBackAsItWas)
{
    MoveWindow(Frame(), 0, 0, 1000, 740, TRUE);  // maximising needs a window manager, which the display has not
    CQuillscapeView* view = NewDocument(NumberedLines(300, 60), "長い文書");
    const HMENU menu = GetMenu(Frame());
    const HWND finderBar = GetDlgItem(Frame(), kFinderBarId);
    ASSERT_TRUE(menu && IsWindowVisible(finderBar));

    app_.Command(kCommandPrintPreview);
    PrintPreview* preview = Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(GetMenu(Frame()), nullptr);
    EXPECT_FALSE(IsWindowVisible(finderBar));
    EXPECT_FALSE(IsWindowVisible(app_.MainFrame()->MdiClient()));
    EXPECT_TRUE(IsWindowVisible(preview->Handle()) && IsWindowVisible(preview->Bar().Handle()));
    const PrinterGeometry geometry = Geometry();
    const UINT perPage = static_cast<UINT>(geometry.printableHeight / CellAtScale(100).lineHeight);
    const UINT pageCount = (300 + perPage - 1) / perPage;
    ASSERT_EQ(preview->PageCount(), pageCount);
    EXPECT_EQ(preview->PagesShown(), 1) << "PreviewPages 0: one page";
    EXPECT_EQ(MessagePaneText(Frame()), "ページ 1 / " + std::to_string(pageCount));
    EXPECT_FALSE(IsWindowEnabled(preview->Bar().Button(kPreviewPrevious)));
    Screenshot("preview-one-page");

    Press(preview->Bar().Button(kPreviewNext));
    SendMessageA(preview->Handle(), WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(preview->FirstPage(), 3u);
    Press(preview->Bar().Button(kPreviewPrevious));
    EXPECT_EQ(preview->FirstPage(), 2u);

    Press(preview->Bar().Button(kPreviewPages));
    EXPECT_EQ(preview->PagesShown(), 2);
    EXPECT_EQ(app_.PreviewPages(), 2);
    EXPECT_EQ(MessagePaneText(Frame()), "ページ 2-3 / " + std::to_string(pageCount));
    const RECT left = preview->PageRect(0), right = preview->PageRect(1);
    EXPECT_EQ(right.top, left.top);
    EXPECT_GT(right.left, left.right) << "side by side";
    EXPECT_EQ(right.right - right.left, left.right - left.left);
    EXPECT_NEAR(static_cast<double>(left.bottom - left.top) / (left.right - left.left),
                static_cast<double>(geometry.sheetHeight) / geometry.sheetWidth, 0.01)
        << "the sheet keeps its proportions";
    RECT client;
    GetClientRect(preview->Handle(), &client);
    EXPECT_TRUE(left.left >= 0 && right.right <= client.right && left.bottom <= client.bottom) << "both fit";
    Screenshot("preview-two-pages");

    Press(preview->Bar().Button(kPreviewZoomIn));
    EXPECT_EQ(preview->ZoomLevel(), 1);
    EXPECT_GT(preview->PageRect(0).right - preview->PageRect(0).left, left.right - left.left);
    EXPECT_TRUE(ShowsScrollBar(preview->Handle(), OBJID_VSCROLL)) << "the pages are taller than the window now";
    Screenshot("preview-zoomed");
    Press(preview->Bar().Button(kPreviewZoomOut));
    EXPECT_EQ(preview->ZoomLevel(), 0);
    EXPECT_FALSE(ShowsScrollBar(preview->Handle(), OBJID_VSCROLL));

    Press(preview->Bar().Button(kPreviewClose));
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_EQ(GetMenu(Frame()), menu);
    EXPECT_TRUE(IsWindowVisible(finderBar));
    EXPECT_TRUE(IsWindowVisible(app_.MainFrame()->MdiClient()));
    EXPECT_EQ(app_.MainFrame()->ActiveChild()->GetView(), view);
    EXPECT_EQ(view->Pages(), nullptr) << "the end of printing came with the close";
    EXPECT_EQ(Widen(MessagePaneText(Frame())), LoadString(kIdleMessageId));
    EXPECT_TRUE(app_.messages.empty());
}

TEST_F(PreviewTest, APreviewPageIsThePrintedPageScaledToTheScreen)
{
    NewDocument(NumberedLines(200, 100));
    app_.Command(kCommandPrintPreview);
    PrintPreview* preview = Preview();
    ASSERT_NE(preview, nullptr);
    // A third of the printer's resolution: 100 dots an inch.
    const PrinterGeometry geometry = Geometry();
    const GreyImage drawn = PreviewPicture(*preview, 2, geometry.sheetWidth / 3, geometry.sheetHeight / 3);

    // Page 2 alone, printed from the preview's print button.
    DialogAnswer range([](HWND dialog) {
        Click(dialog, rad3);
        SetControlText(dialog, edt1, "2");
        SetControlText(dialog, edt2, "2");
        Click(dialog, IDOK);
    });
    Press(preview->Bar().Button(kPreviewPrint));
    EXPECT_TRUE(range.Answered());
    EXPECT_EQ(Preview(), nullptr) << "printing closes the preview";
    std::vector<PrintedPage> pages;
    ASSERT_TRUE(NextJob(&pages));
    ASSERT_EQ(pages.size(), 1u);
    GreyImage printed;
    ASSERT_TRUE(queue_.RenderPage(1, 100, &printed));
    ASSERT_EQ(printed.width, drawn.width);
    ASSERT_EQ(printed.height, drawn.height);

    const std::vector<InkBand> onScreen = InkBands(drawn), onPaper = InkBands(printed);
    ASSERT_EQ(onScreen.size(), static_cast<size_t>(geometry.printableHeight / CellAtScale(100).lineHeight))
        << "one band of ink for each line of a full page";
    ASSERT_EQ(onPaper.size(), onScreen.size());
    // The same lines at the same places; the glyphs' edges may differ by
    // the rasterisers' rounding.
    for (size_t i = 0; i < onScreen.size(); ++i) {
        EXPECT_NEAR(onScreen[i].top, onPaper[i].top, 2) << "line " << i;
        EXPECT_NEAR(onScreen[i].bottom, onPaper[i].bottom, 2) << "line " << i;
        EXPECT_NEAR(onScreen[i].left, onPaper[i].left, 2) << "line " << i;
        EXPECT_NEAR(onScreen[i].right, onPaper[i].right, 3) << "line " << i;
    }
}

TEST_F(PreviewTest, TheNumberOfPagesShownIsReadFromAndKeptInTheProfile)
{
    NewDocument(NumberedLines(300, 20));
    ASSERT_TRUE(WriteProfileNumber(kSettings, "PreviewPages", 2));
    app_.LoadStdProfileSettings(4);

    app_.Command(kCommandPrintPreview);
    ASSERT_NE(Preview(), nullptr);
    EXPECT_EQ(Preview()->PagesShown(), 2);
    Press(Preview()->Bar().Button(kPreviewPages));
    EXPECT_EQ(Preview()->PagesShown(), 1);
    Press(Preview()->Bar().Button(kPreviewClose));
    EXPECT_EQ(Preview(), nullptr);

    EXPECT_EQ(ProfileNumber(kSettings, "PreviewPages"), 2u) << "nothing is written before the exit";
    app_.Command(kCommandPrintPreview);
    ASSERT_NE(Preview(), nullptr);
    SendMessageA(Frame(), WM_CLOSE, 0, 0);  // a preview still open closes with the program
    TestApp::Pump();
    EXPECT_FALSE(IsWindow(Frame()));
    EXPECT_EQ(ProfileNumber(kSettings, "PreviewPages"), 1u);
}

}  // namespace
