// Printing for real on the tests' printer queue: each printed job, read
// back and put on the picture's grid again, against the document and its
// pagination; the printer-font rule at two scales; the print-setup choice
// kept; jobs that are cancelled or fail half-way never reach the queue.
#include "printing_test.h"
#include "wide_text.h"

#include "application.h"
#include "child_frame.h"
#include "dialog_answer.h"
#include "doc_template.h"
#include "document.h"
#include "edit_view.h"
#include "mdi_frame.h"
#include "print_progress.h"
#include "print_texts.h"
#include "quillscape_doc.h"
#include "quillscape_view.h"
#include "resource.h"
#include "text_pages.h"
#include "view.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <functional>

namespace {

// A document of numbered lines with two that are wider than any page: one
// of half-width and one of full-width characters.
struct LongDocument {
    std::string text;
    std::vector<std::string> lines;  // each line as a page of `columns` prints it
};

LongDocument MakeLongDocument(int lineCount, int columns)
{
    LongDocument document;
    const std::vector<std::string> numbered = TextLines(NumberedLines(lineCount, 40));
    for (size_t i = 0; i < numbered.size(); ++i) {
        std::string line = numbered[i];
        std::string printed = line;
        if (i == 4) {
            for (int column = 0; column < 300; ++column)
                line += static_cast<char>('0' + column % 10);
            printed = line.substr(0, static_cast<size_t>(columns));
        } else if (i == 5) {
            line.clear();
            for (int character = 0; character < 150; ++character)
                line += "■";
            printed = line.substr(0, static_cast<size_t>(columns / 2 * 2));  // never half a character
        }
        document.text += line + "\r\n";
        document.lines.push_back(printed);
    }
    return document;
}

// Pages `first` to `last` (from 1) of `lines` at `perPage` lines each.
std::vector<std::vector<std::string>> PagesOf(const std::vector<std::string>& lines, size_t perPage, size_t first,
                                              size_t last)
{
    std::vector<std::vector<std::string>> pages;
    for (size_t page = first; page <= last; ++page) {
        const auto begin = lines.begin() + static_cast<std::ptrdiff_t>((page - 1) * perPage);
        const auto end = lines.begin() + static_cast<std::ptrdiff_t>(std::min(page * perPage, lines.size()));
        pages.push_back(PrintedForm(std::vector<std::string>(begin, end)));
    }
    return pages;
}

class PrintTest : public PrintingTest {
protected:
    std::vector<std::vector<std::string>> Grid(const std::vector<PrintedPage>& pages, PrinterCell cell)
    {
        std::vector<std::vector<std::string>> grid;
        const PrinterGeometry geometry = Geometry();
        for (const PrintedPage& page : pages)
            grid.push_back(GridLines(page, geometry, cell));
        return grid;
    }

    void SetScale(short scale)
    {
        ASSERT_TRUE(app_.Printer().EnsureDefaults());
        GlobalLockGuard<DEVMODEA> mode(app_.Printer().DevMode());
        mode.Get()->dmScale = scale;
        mode.Get()->dmFields |= DM_SCALE;
    }
};

TEST_F(PrintTest, AConvertedPictureIsPrintedLineForLine)
{
    CQuillscapeView* view = ConvertFixture(L"buttons");
    ASSERT_NE(view, nullptr);
    std::vector<PrintedPage> pages;
    ASSERT_TRUE(PrintDirect(&pages));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Grid(pages, CellAtScale(100))[0], PrintedForm(TextLines(Narrow(view->Text()))));
    EXPECT_EQ(view->Pages(), nullptr) << "the end of printing has let the pages go";
}

TEST_F(PrintTest, LongDocumentsBreakIntoFullPagesAndLinesAreCutAtTheRightMargin)
{
    const PrinterCell cell = CellAtScale(100);
    const PrinterGeometry geometry = Geometry();
    const size_t perPage = static_cast<size_t>(geometry.printableHeight / cell.lineHeight);
    const LongDocument document = MakeLongDocument(200, geometry.printableWidth / cell.width);
    NewDocument(document.text);
    const size_t pageCount = (document.lines.size() + perPage - 1) / perPage;
    ASSERT_GE(pageCount, 3u);

    std::vector<PrintedPage> pages;
    ASSERT_TRUE(PrintDirect(&pages));
    EXPECT_EQ(Grid(pages, cell), PagesOf(document.lines, perPage, 1, pageCount));

    // Pages 2 and 3 chosen in the print dialog.
    DialogAnswer range([](HWND dialog) {
        Click(dialog, rad3);
        SetControlText(dialog, edt1, "2");
        SetControlText(dialog, edt2, "3");
        Click(dialog, IDOK);
    });
    app_.Command(kCommandPrint);
    EXPECT_TRUE(range.Answered());
    ASSERT_TRUE(NextJob(&pages));
    EXPECT_EQ(Grid(pages, cell), PagesOf(document.lines, perPage, 2, 3));
    EXPECT_TRUE(app_.messages.empty());

    // A range past the last page prints nothing, and says so.
    const std::string beyond = std::to_string(pageCount + 1);
    DialogAnswer past([&beyond](HWND dialog) {
        Click(dialog, rad3);
        SetControlText(dialog, edt1, beyond.c_str());
        SetControlText(dialog, edt2, beyond.c_str());
        Click(dialog, IDOK);
    });
    app_.Command(kCommandPrint);
    EXPECT_TRUE(past.Answered());
    EXPECT_EQ(app_.messages, std::vector<std::wstring>{LoadString(kNoPagesText)});
    EXPECT_EQ(queue_.CompletedJobs(), jobs_);
}

TEST_F(PrintTest, APrinterAtHalfScaleGetsAFontOfHalfTheSize)
{
    const PrinterGeometry geometry = Geometry();
    const LongDocument document = MakeLongDocument(200, geometry.printableWidth / CellAtScale(50).width);
    NewDocument(document.text);
    std::vector<PrintedPage> full;
    ASSERT_TRUE(PrintDirect(&full));

    SetScale(50);
    const PrinterCell half = CellAtScale(50);
    EXPECT_NEAR(half.lineHeight, CellAtScale(100).lineHeight / 2, 1);
    std::vector<PrintedPage> pages;
    ASSERT_TRUE(PrintDirect(&pages));
    const size_t perPage = static_cast<size_t>(geometry.printableHeight / half.lineHeight);
    EXPECT_EQ(Grid(pages, half), PagesOf(document.lines, perPage, 1, (document.lines.size() + perPage - 1) / perPage))
        << "the lines follow the font of the rule at 50 %: its height, its cells";
    ASSERT_FALSE(full.empty() || full[0].words.empty() || pages[0].words.empty());
    const PrintedWord& large = full[0].words[0];
    const PrintedWord& small = pages[0].words[0];
    EXPECT_NEAR((small.yMax - small.yMin) / (large.yMax - large.yMin), 0.5, 0.05) << "the glyphs are half as high";
}

TEST_F(PrintTest, ThePrinterChosenInPrintSetupPrintsEveryLaterJob)
{
    // Wider than a portrait page, narrower than a landscape one.
    const PrinterGeometry portrait = Geometry();
    const PrinterCell cell = CellAtScale(100);
    const std::string wide(static_cast<size_t>(portrait.printableWidth / cell.width + 10), 'W');
    NewDocument("縦か横か\r\n" + wide + "\r\n");
    DialogAnswer setup([](HWND dialog) {
        Click(dialog, rad2);  // landscape
        Click(dialog, IDOK);
    });
    app_.Command(kCommandPrintSetup);
    EXPECT_TRUE(setup.Answered());
    EXPECT_EQ(app_.Printer().DeviceName(), queue_.Printer());

    std::vector<PrintedPage> pages;
    ASSERT_TRUE(PrintDirect(&pages));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].width, pages[0].height) << "landscape, as chosen";


    DialogAnswer print([](HWND dialog) { Click(dialog, IDOK); });
    app_.Command(kCommandPrint);
    ASSERT_TRUE(NextJob(&pages));
    EXPECT_GT(pages[0].width, pages[0].height) << "the print dialog starts from the kept settings";
    const std::vector<std::string> expected = PrintedForm({"縦か横か", wide});
    EXPECT_EQ(Grid(pages, cell)[0], expected) << "the wide line fits across the sheet";
}

// An output document's view that lets the test act while a page prints:
// `onPage` may press the progress window's cancel button, as a user does
// while a long page prints, or answer false, as a device that refused the
// page's drawing.
class WatchedView : public CQuillscapeView {
public:
    static std::function<bool(UINT page)> onPage;

    bool OnPrint(HDC dc, PrintInfo& info) override
    {
        return onPage(info.currentPage) && CQuillscapeView::OnPrint(dc, info);
    }
};
std::function<bool(UINT)> WatchedView::onPage;

TEST_F(PrintTest, JobsCancelledOrFailingHalfWayAreAbortedAndSaySo)
{
    auto watched = std::make_unique<DocTemplate>(
        IDR_QSCTYPE, [] { return std::make_unique<CQuillscapeDoc>(); }, [] { return new CChildFrame; },
        [] { return new WatchedView; });
    ASSERT_TRUE(watched->LoadResources());
    DocTemplate* watchedTemplate = watched.get();
    app_.AddDocTemplate(std::move(watched));
    ASSERT_NE(watchedTemplate->OpenDocumentFile({}), nullptr);
    const std::string text = NumberedLines(300, 20);
    SendMessageA(ActiveView()->Edit(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));

    std::vector<UINT> drawn;
    WatchedView::onPage = [&drawn](UINT page) {
        drawn.push_back(page);
        // The click waits in the queue until the job looks between two pages.
        if (page == 2)
            PostMessageA(GetDlgItem(FindWindowW(kPrintProgressClass, nullptr), IDCANCEL), BM_CLICK, 0, 0);
        return true;
    };
    app_.Command(kCommandPrintDirect);
    EXPECT_EQ(drawn, (std::vector<UINT>{1, 2})) << "no page after the click";
    EXPECT_EQ(app_.messages, std::vector<std::wstring>{LoadString(kPrintCancelledText)});
    EXPECT_FALSE(FindWindowW(kPrintProgressClass, nullptr)) << "the progress window is gone";
    EXPECT_TRUE(IsWindowEnabled(app_.MainFrame()->Handle())) << "and the frame takes input again";

    drawn.clear();
    WatchedView::onPage = [&drawn](UINT page) {
        drawn.push_back(page);
        return page != 2;
    };
    app_.Command(kCommandPrintDirect);
    EXPECT_EQ(drawn, (std::vector<UINT>{1, 2}));
    ASSERT_EQ(app_.messages.size(), 2u);
    EXPECT_EQ(app_.messages[1], LoadString(kPrintFailedText));

    DialogAnswer cancelDialog([](HWND dialog) { Click(dialog, IDCANCEL); });
    app_.Command(kCommandPrint);
    EXPECT_TRUE(cancelDialog.Answered());
    EXPECT_EQ(app_.messages.size(), 2u) << "a cancelled print dialog needs no word";
    app_.messages.clear();

    // Only the job after them reaches the queue.
    NewDocument("after\r\n");
    std::vector<PrintedPage> pages;
    ASSERT_TRUE(PrintDirect(&pages));
    EXPECT_EQ(Grid(pages, CellAtScale(100)), std::vector<std::vector<std::string>>{{"after"}});
    EXPECT_EQ(queue_.CompletedJobs(), jobs_);
}

}  // namespace
