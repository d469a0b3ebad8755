// The framework's own texts for printing and the print preview. They come
// with the framework rather than with the program's string table, like the
// texts of the system's print dialogs.
#pragma once

constexpr char kNoPrinterText[] =
    "プリンタがインストールされていません。\nプリンタを追加してから、もう一度印刷してください。";
constexpr char kPrintStartFailedText[] = "印刷を開始できませんでした。";
constexpr char kPrintFailedText[] = "印刷中にエラーが起きたため、印刷を中止しました。";
constexpr char kPrintCancelledText[] = "印刷を中止しました。";
constexpr char kNoPagesText[] = "指定された範囲に印刷するページがありません。";

// The window shown while a job prints: "%s" is the document's title, "%u" the page.
constexpr char kPrintingText[] = "印刷中: %s";
constexpr char kPrintingPageText[] = "ページ %u";
constexpr char kCancelText[] = "キャンセル";

// The buttons of the print preview and its status text.
constexpr char kPreviewPrintText[] = "印刷(&P)...";
constexpr char kPreviewNextText[] = "次ページ(&N)";
constexpr char kPreviewPreviousText[] = "前ページ(&V)";
constexpr char kPreviewTwoPagesText[] = "2 ページ(&T)";
constexpr char kPreviewOnePageText[] = "1 ページ(&O)";
constexpr char kPreviewZoomInText[] = "拡大(&I)";
constexpr char kPreviewZoomOutText[] = "縮小(&U)";
constexpr char kPreviewCloseText[] = "閉じる(&C)";
constexpr char kPreviewPageText[] = "ページ %u / %u";
constexpr char kPreviewPagesText[] = "ページ %u-%u / %u";
