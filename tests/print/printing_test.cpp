#include "printing_test.h"

#include "application.h"
#include "code_page.h"
#include "document.h"
#include "fixture_process.h"
#include "host_path.h"
#include "main_frame.h"
#include "mdi_child.h"
#include "print_info.h"
#include "quillscape_view.h"
#include "text_pages.h"
#include "view.h"
#include "wide_text.h"

#include <cmath>
#include <cstdio>

void PrintingTest::SetUp()
{
    ASSERT_TRUE(queue_.Available()) << "the print tests run under tools/with-cups";
    jobs_ = queue_.CompletedJobs();
}

CQuillscapeView* PrintingTest::NewDocument(const std::string& cp932, const char* title)
{
    app_.Command(kCommandNew);
    CQuillscapeView* view = ActiveView();
    SendMessageA(view->Edit(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(cp932.c_str()));
    view->GetDocument()->SetModifiedFlag(false);
    view->GetDocument()->SetTitle(Widen(title));
    return view;
}

CQuillscapeView* PrintingTest::ConvertFixture(const wchar_t* name)
{
    FixtureProcess fixture(HostPath(QS_QSFIXTURE), name);
    DropTarget = fixture.ReadyWindow();
    static_cast<CMainFrame*>(app_.MainFrame())->ConvertWindow();
    TestApp::Pump();
    return ActiveView();
}

CQuillscapeView* PrintingTest::ActiveView() const
{
    MdiChildWindow* child = app_.MainFrame()->ActiveChild();
    return child ? dynamic_cast<CQuillscapeView*>(child->GetView()) : nullptr;
}

PrinterGeometry PrintingTest::Geometry()
{
    PrinterGeometry geometry;
    if (!app_.Printer().EnsureDefaults())
        return geometry;
    OwnedPrinterDC dc(app_.Printer().CreatePrinterDC());
    geometry.printableWidth = GetDeviceCaps(dc.Get(), HORZRES);
    geometry.printableHeight = GetDeviceCaps(dc.Get(), VERTRES);
    geometry.sheetWidth = GetDeviceCaps(dc.Get(), PHYSICALWIDTH);
    geometry.sheetHeight = GetDeviceCaps(dc.Get(), PHYSICALHEIGHT);
    geometry.offsetX = GetDeviceCaps(dc.Get(), PHYSICALOFFSETX);
    geometry.offsetY = GetDeviceCaps(dc.Get(), PHYSICALOFFSETY);
    return geometry;
}

::testing::AssertionResult PrintingTest::NextJob(std::vector<PrintedPage>* pages)
{
    return queue_.WaitForJob(++jobs_, pages);
}

::testing::AssertionResult PrintingTest::PrintDirect(std::vector<PrintedPage>* pages)
{
    app_.Command(kCommandPrintDirect);
    if (!app_.messages.empty())
        return ::testing::AssertionFailure() << "the program said: " << ShiftJisToUtf8(Narrow(app_.messages.back()));
    return NextJob(pages);
}

std::string NumberedLines(int count, int width)
{
    std::string text;
    for (int i = 1; i <= count; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "行%03d", i);
        std::string line = number;
        for (int column = 6; column < width; ++column)
            line += static_cast<char>('a' + (i + column) % 26);
        text += line + "\r\n";
    }
    return text;
}

std::vector<std::string> TextLines(const std::string& cp932Text)
{
    std::vector<std::string> lines;
    for (const std::wstring& line : SplitLines(Widen(cp932Text)))
        lines.push_back(Narrow(line));
    return lines;
}

std::vector<std::string> PrintedForm(const std::vector<std::string>& cp932Lines)
{
    std::vector<std::string> lines;
    for (std::string line : cp932Lines) {
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(ShiftJisToUtf8(line));
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

PrinterCell PrintingTest::CellAtScale(int scale)
{
    if (!app_.Printer().EnsureDefaults())
        return PrinterCell{1, 1};
    OwnedPrinterDC dc(app_.Printer().CreatePrinterDC());
    OwnedFont font(CreateFontA(scale * 40 / 100, scale * 22 / 100, 0, 0, FW_THIN, FALSE, FALSE, FALSE,
                               SHIFTJIS_CHARSET, OUT_RASTER_PRECIS, CLIP_CHARACTER_PRECIS, PROOF_QUALITY, FIXED_PITCH,
                               "ＭＳ ゴシック"));
    SelectedObject selected(dc.Get(), font.Get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.Get(), &metrics);
    return PrinterCell{metrics.tmHeight + metrics.tmExternalLeading, metrics.tmAveCharWidth};
}

std::vector<std::string> GridLines(const PrintedPage& page, const PrinterGeometry& geometry, PrinterCell cell)
{
    const double pointsWide = page.width / geometry.sheetWidth;
    const double pointsHigh = page.height / geometry.sheetHeight;
    const double left = geometry.offsetX * pointsWide;
    const double top = geometry.offsetY * pointsHigh;
    std::vector<std::string> grid;
    for (const PrintedWord& word : page.words) {
        // A glyph's box begins at its cell's left edge and a little below the line's top.
        // A word outside the printable area shows at its edge.
        const auto line =
            static_cast<size_t>(std::max(std::floor((word.yMin - top) / (cell.lineHeight * pointsHigh)), 0.0));
        const auto column =
            static_cast<size_t>(std::max(std::lround((word.xMin - left) / (cell.width * pointsWide)), 0L));
        if (grid.size() <= line)
            grid.resize(line + 1);
        const std::string bytes = Utf8ToShiftJis(word.text);
        if (grid[line].size() < column + bytes.size())
            grid[line].resize(column + bytes.size(), ' ');
        grid[line].replace(column, bytes.size(), bytes);
    }
    return PrintedForm(grid);
}
