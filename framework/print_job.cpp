#include "print_job.h"

#include "application.h"
#include "document.h"
#include "guards.h"
#include "print_progress.h"
#include "print_texts.h"
#include "view.h"

#include <string>

namespace {

std::wstring TitleOf(const View& view)
{
    const Document* document = view.GetDocument();
    return document ? document->Title() : std::wstring();
}

// The pages of the range between StartDoc and EndDoc; the progress window
// answers the user between two pages.
PrintOutcome PrintPages(View& view, HDC dc, PrintInfo& info, const std::wstring& title)
{
    PrintProgress progress(Application::Current()->MainWindow(), title);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    if (StartDocW(dc, &document) <= 0)
        return PrintOutcome::StartFailed;
    for (UINT page = info.FromPage(); page <= info.ToPage(); ++page) {
        info.currentPage = page;
        progress.ShowPage(page);
        if (StartPage(dc) <= 0 || !view.OnPrint(dc, info) || EndPage(dc) <= 0) {
            AbortDoc(dc);
            return PrintOutcome::Failed;
        }
        if (progress.Cancelled()) {
            AbortDoc(dc);
            return PrintOutcome::Cancelled;
        }
    }
    return EndDoc(dc) > 0 ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome PrintPrepared(View& view, PrintInfo& info)
{
    OwnedPrinterDC dc(info.dialog.hDC ? info.dialog.hDC : Application::Current()->Printer().CreatePrinterDC());
    info.dialog.hDC = nullptr;
    if (!dc) {
        view.OnEndPrinting(nullptr, info);
        return PrintOutcome::StartFailed;
    }
    info.drawArea = PrintableArea(dc.Get());
    view.OnBeginPrinting(dc.Get(), info);
    const PrintOutcome outcome = info.FromPage() > info.ToPage()
                                     ? PrintOutcome::NoPages
                                     : PrintPages(view, dc.Get(), info, TitleOf(view));
    view.OnEndPrinting(dc.Get(), info);
    return outcome;
}

void Report(PrintOutcome outcome)
{
    const Application* application = Application::Current();
    switch (outcome) {
    case PrintOutcome::NoPages:
        application->ShowMessage(kNoPagesText, MB_OK | MB_ICONINFORMATION);
        break;
    case PrintOutcome::StartFailed:
        application->ShowMessage(kPrintStartFailedText, MB_OK | MB_ICONEXCLAMATION);
        break;
    case PrintOutcome::Failed:
        application->ShowMessage(kPrintFailedText, MB_OK | MB_ICONEXCLAMATION);
        break;
    case PrintOutcome::Cancelled:
        application->ShowMessage(kPrintCancelledText, MB_OK | MB_ICONINFORMATION);
        break;
    case PrintOutcome::NotPrepared:
    case PrintOutcome::Printed:
        break;
    }
}

}  // namespace

void ReportMissingPrinter()
{
    Application* application = Application::Current();
    if (!application->Printer().EnsureDefaults())
        application->ShowMessage(kNoPrinterText, MB_OK | MB_ICONEXCLAMATION);
}

PrintOutcome PrintView(View& view, bool direct)
{
    PrintInfo info;
    info.direct = direct;
    if (!view.OnPreparePrinting(info)) {
        if (info.dialog.hDC)
            DeleteDC(info.dialog.hDC);
        ReportMissingPrinter();
        return PrintOutcome::NotPrepared;
    }
    const PrintOutcome outcome = PrintPrepared(view, info);
    Report(outcome);
    return outcome;
}
