// The framework's own texts for printing and the print preview: ids of the
// program's string table, which holds them in each language of the
// interface, like the framework's other standard messages.
#pragma once

#include <windows.h>

constexpr UINT kNoPrinterText = 0xF1A0;         // there is no printer
constexpr UINT kPrintStartFailedText = 0xF1A1;  // the job could not start
constexpr UINT kPrintFailedText = 0xF1A2;       // the job ended in an error
constexpr UINT kPrintCancelledText = 0xF1A3;
constexpr UINT kNoPagesText = 0xF1A4;           // the range holds no page

// The window shown while a job prints: "%ls" is the document's title, "%u" the page.
constexpr UINT kPrintingText = 0xF1A5;
constexpr UINT kPrintingPageText = 0xF1A6;
constexpr UINT kCancelText = 0xF1A7;

// The buttons of the print preview and its status text.
constexpr UINT kPreviewPrintText = 0xF1A8;
constexpr UINT kPreviewNextText = 0xF1A9;
constexpr UINT kPreviewPreviousText = 0xF1AA;
constexpr UINT kPreviewTwoPagesText = 0xF1AB;
constexpr UINT kPreviewOnePageText = 0xF1AC;
constexpr UINT kPreviewZoomInText = 0xF1AD;
constexpr UINT kPreviewZoomOutText = 0xF1AE;
constexpr UINT kPreviewCloseText = 0xF1AF;
constexpr UINT kPreviewPageText = 0xF1B0;   // "%u" of "%u"
constexpr UINT kPreviewPagesText = 0xF1B1;  // "%u"-"%u" of "%u"
