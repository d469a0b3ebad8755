// One print job of a view's document: the view prepares it (the print
// dialog), paginates it on the printer and draws the pages of the chosen
// range. A job that fails or that the user cancels half-way is aborted, so
// that nothing of it is printed, and the user is told; so is a job that
// cannot start, and printing without a printer.
#pragma once

class View;

enum class PrintOutcome {
    NotPrepared,  // no printer, or the user cancelled the print dialog
    NoPages,      // the chosen range holds no page of the document
    StartFailed,
    Failed,
    Cancelled,
    Printed,
};

// Prints with the print dialog, or `direct`ly on the application's printer.
PrintOutcome PrintView(View& view, bool direct);

// After a preparation that failed: tells the user when the reason was that
// there is no printer (a cancelled dialog needs no word).
void ReportMissingPrinter();
