// The print preview: it takes the main frame's place of the documents, puts
// the frame's menu and top bar away until it closes, and shows one or two
// pages of a view as they will be printed. Each page is drawn by the view's
// own printing code into the screen, scaled from the printer's units, so
// that the preview breaks and places the lines exactly as the paper does.
// Next and previous page, one or two pages (the application's
// "PreviewPages" setting), zoom, print and close.
#pragma once

#include "preview_bar.h"
#include "print_info.h"
#include "window.h"

class MdiFrameWindow;
class View;

extern const wchar_t kPrintPreviewClass[];

class PrintPreview : public Window {
public:
    // Shows the preview of `view` in the application's main frame; null when
    // printing cannot be prepared (the user was told why) or a preview is on.
    static PrintPreview* Start(View& view);

    UINT FirstPage() const { return page_; }
    UINT PageCount() const { return info_.maxPage; }
    int PagesShown() const;
    int ZoomLevel() const { return zoom_; }
    const PreviewBar& Bar() const { return bar_; }

    void NextPage();
    void PreviousPage();
    void TogglePages();
    void ZoomIn();
    void ZoomOut();
    // Closes the preview and prints the view with the print dialog.
    void Print();
    // The frame gets its menu, bars and documents back; the preview is deleted.
    void Close();

    // The frame's layout: the bar and the pages share `area` of its client.
    void Place(const RECT& area);
    // Where the `index`th page shown lies in the client area.
    RECT PageRect(int index) const;
    // Draws `page` as it is printed, scaled to fill `pageRect` of `dc`.
    void DrawPage(HDC dc, const RECT& pageRect, UINT page);
    // The whole client area: the pages on the workspace colour.
    void PaintContent(HDC dc);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    PrintPreview(View& view, MdiFrameWindow& frame);
    bool Prepare();
    bool CreateWindows();
    void OnBarClick(PreviewButton button);
    void OnKeyDown(UINT key);
    void OnScroll(int bar, UINT request);
    void ShowPage(UINT page);
    void SetZoom(int zoom);
    void Changed();
    void UpdateScrollBars();
    void UpdateStatus() const;
    SIZE PaperPixels() const;
    SIZE ContentSize() const;

    View& view_;
    MdiFrameWindow& frame_;
    PrintInfo info_;
    OwnedPrinterDC printer_;
    PreviewBar bar_;
    SIZE paper_{};        // the sheet, in the printer's device units
    POINT paperOffset_{};  // where the printable area begins on it
    UINT page_ = 1;
    int zoom_ = 0;
    POINT scroll_{};
};
