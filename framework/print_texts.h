// The framework's own texts for printing and the print preview. They come
// with the framework rather than with the program's string table, like the
// texts of the system's print dialogs.
#pragma once

constexpr wchar_t kNoPrinterText[] =
    L"プリンタがインストールされていません。\nプリンタを追加してから、もう一度印刷してください。";
constexpr wchar_t kPrintStartFailedText[] = L"印刷を開始できませんでした。";
constexpr wchar_t kPrintFailedText[] = L"印刷中にエラーが起きたため、印刷を中止しました。";
constexpr wchar_t kPrintCancelledText[] = L"印刷を中止しました。";
constexpr wchar_t kNoPagesText[] = L"指定された範囲に印刷するページがありません。";

// The window shown while a job prints: "%s" is the document's title, "%u" the page.
constexpr wchar_t kPrintingText[] = L"印刷中: %ls";
constexpr wchar_t kPrintingPageText[] = L"ページ %u";
constexpr wchar_t kCancelText[] = L"キャンセル";

// The buttons of the print preview and its status text.
constexpr wchar_t kPreviewPrintText[] = L"印刷(&P)...";
constexpr wchar_t kPreviewNextText[] = L"次ページ(&N)";
constexpr wchar_t kPreviewPreviousText[] = L"前ページ(&V)";
constexpr wchar_t kPreviewTwoPagesText[] = L"2 ページ(&T)";
constexpr wchar_t kPreviewOnePageText[] = L"1 ページ(&O)";
constexpr wchar_t kPreviewZoomInText[] = L"拡大(&I)";
constexpr wchar_t kPreviewZoomOutText[] = L"縮小(&U)";
constexpr wchar_t kPreviewCloseText[] = L"閉じる(&C)";
constexpr wchar_t kPreviewPageText[] = L"ページ %u / %u";
constexpr wchar_t kPreviewPagesText[] = L"ページ %u-%u / %u";
