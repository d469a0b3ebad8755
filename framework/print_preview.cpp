#include "print_preview.h"

#include "application.h"
#include "guards.h"
#include "mdi_frame.h"
#include "print_job.h"
#include "print_texts.h"
#include "private_messages.h"
#include "view.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

const wchar_t kPrintPreviewClass[] = L"QuillscapePrintPreview";

namespace {

constexpr int kMargin = 12;     // around the pages, in pixels
constexpr int kGap = 12;        // between two pages
constexpr int kShadow = 3;
constexpr int kMaxZoom = 2;     // zoom level n shows the pages 2^n times as large as fitting
constexpr int kScrollLine = 24;
constexpr WPARAM kThenPrint = 1;  // with kClosePreview

}  // namespace

PrintPreview::PrintPreview(View& view, MdiFrameWindow& frame) : view_(view), frame_(frame)
{
    info_.preview = true;
}

PrintPreview* PrintPreview::Start(View& view)
{
    MdiFrameWindow* frame = Application::Current()->MainFrame();
    if (!frame || frame->Preview())
        return nullptr;
    std::unique_ptr<PrintPreview> made(new PrintPreview(view, *frame));
    if (!made->Prepare())
        return nullptr;
    if (!made->CreateWindows()) {
        view.OnEndPrinting(made->printer_.Get(), made->info_);
        return nullptr;
    }
    PrintPreview* preview = GiveToWindow(std::move(made));
    frame->BeginPreview(preview);
    preview->Changed();
    SetFocus(preview->Handle());
    return preview;
}

// The view prepares as for printing, without the print dialog, and
// paginates on the application's printer.
bool PrintPreview::Prepare()
{
    if (!view_.OnPreparePrinting(info_)) {
        ReportMissingPrinter();
        return false;
    }
    printer_.Reset(Application::Current()->Printer().CreatePrinterDC());
    if (!printer_) {
        view_.OnEndPrinting(nullptr, info_);
        Application::Current()->ShowMessage(kPrintStartFailedText, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    info_.drawArea = PrintableArea(printer_.Get());
    HDC dc = printer_.Get();
    paper_ = SIZE{GetDeviceCaps(dc, PHYSICALWIDTH), GetDeviceCaps(dc, PHYSICALHEIGHT)};
    paperOffset_ = POINT{GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)};
    if (paper_.cx <= 0 || paper_.cy <= 0) {
        paper_ = SIZE{info_.drawArea.right, info_.drawArea.bottom};
        paperOffset_ = POINT{0, 0};
    }
    view_.OnBeginPrinting(dc, info_);
    page_ = std::min(std::max(info_.minPage, 1u), info_.maxPage);
    return true;
}

bool PrintPreview::CreateWindows()
{
    if (!bar_.CreateBar(frame_.Handle(), [this](PreviewButton button) { OnBarClick(button); }))
        return false;
    if (!RegisterClassFor(kPrintPreviewClass, CS_DBLCLKS, nullptr, LoadCursor(nullptr, IDC_ARROW), nullptr))
        return false;
    return Create(kPrintPreviewClass, L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS, 0,
                  RECT{0, 0, 0, 0}, frame_.Handle(), nullptr) != nullptr;
}

int PrintPreview::PagesShown() const
{
    return Application::Current()->PreviewPages() == 2 ? 2 : 1;
}

void PrintPreview::ShowPage(UINT page)
{
    const UINT last = std::max(info_.maxPage, 1u);
    page_ = std::min(std::max(page, 1u), last);
    Changed();
}

void PrintPreview::NextPage()
{
    if (page_ + static_cast<UINT>(PagesShown()) - 1 < info_.maxPage)
        ShowPage(page_ + 1);
}

void PrintPreview::PreviousPage()
{
    if (page_ > 1)
        ShowPage(page_ - 1);
}

void PrintPreview::TogglePages()
{
    Application::Current()->SetPreviewPages(PagesShown() == 2 ? 1 : 2);
    ShowPage(page_);
}

void PrintPreview::SetZoom(int zoom)
{
    zoom_ = std::min(std::max(zoom, 0), kMaxZoom);
    scroll_ = POINT{0, 0};
    Changed();
}

void PrintPreview::ZoomIn()
{
    SetZoom(zoom_ + 1);
}

void PrintPreview::ZoomOut()
{
    SetZoom(zoom_ - 1);
}

void PrintPreview::Print()
{
    View& view = view_;
    Close();
    PrintView(view, false);
}

void PrintPreview::Close()
{
    view_.OnEndPrinting(printer_.Get(), info_);
    frame_.EndPreview();
    DestroyWindow(Handle());
}

void PrintPreview::OnBarClick(PreviewButton button)
{
    SetFocus(Handle());  // a button that gets disabled would keep the focus to itself
    switch (button) {
    case kPreviewPrint:
        PostMessageW(Handle(), kClosePreview, kThenPrint, 0);
        break;
    case kPreviewClose:
        PostMessageW(Handle(), kClosePreview, 0, 0);
        break;
    case kPreviewNext:
        NextPage();
        break;
    case kPreviewPrevious:
        PreviousPage();
        break;
    case kPreviewPages:
        TogglePages();
        break;
    case kPreviewZoomIn:
        ZoomIn();
        break;
    case kPreviewZoomOut:
        ZoomOut();
        break;
    }
}

void PrintPreview::OnKeyDown(UINT key)
{
    switch (key) {
    case VK_NEXT:
        NextPage();
        break;
    case VK_PRIOR:
        PreviousPage();
        break;
    case VK_ESCAPE:
        PostMessageW(Handle(), kClosePreview, 0, 0);
        break;
    }
}

void PrintPreview::Place(const RECT& area)
{
    const int barHeight = bar_.Height();
    MoveWindow(bar_.Handle(), area.left, area.top, area.right - area.left, barHeight, TRUE);
    const int top = area.top + barHeight;
    MoveWindow(Handle(), area.left, top, area.right - area.left, std::max<int>(area.bottom - top, 0), TRUE);
}

// One page at the current zoom: fitting the window (scroll bars left out)
// with the pages shown side by side, then enlarged. The sheet keeps its
// proportions in inches, whatever the printer's resolution is each way.
SIZE PrintPreview::PaperPixels() const
{
    RECT window;
    GetWindowRect(Handle(), &window);
    const int pages = PagesShown();
    const double inchesWide = static_cast<double>(paper_.cx) / std::max(GetDeviceCaps(printer_.Get(), LOGPIXELSX), 1);
    const double inchesHigh = static_cast<double>(paper_.cy) / std::max(GetDeviceCaps(printer_.Get(), LOGPIXELSY), 1);
    const double wide = std::max<double>(window.right - window.left - 2 * kMargin - (pages - 1) * kGap, 1);
    const double high = std::max<double>(window.bottom - window.top - 2 * kMargin, 1);
    const double fit = std::min(wide / (pages * inchesWide), high / inchesHigh) * (1 << zoom_);
    return SIZE{std::max(static_cast<LONG>(inchesWide * fit), 1L), std::max(static_cast<LONG>(inchesHigh * fit), 1L)};
}

SIZE PrintPreview::ContentSize() const
{
    const SIZE page = PaperPixels();
    const int pages = PagesShown();
    return SIZE{pages * page.cx + (pages - 1) * kGap + 2 * kMargin, page.cy + 2 * kMargin};
}

RECT PrintPreview::PageRect(int index) const
{
    RECT client;
    GetClientRect(Handle(), &client);
    const SIZE content = ContentSize();
    const SIZE page = PaperPixels();
    const int left = content.cx < client.right ? (client.right - content.cx) / 2 : -scroll_.x;
    const int top = content.cy < client.bottom ? (client.bottom - content.cy) / 2 : -scroll_.y;
    const int pageLeft = left + kMargin + index * (page.cx + kGap);
    return RECT{pageLeft, top + kMargin, pageLeft + page.cx, top + kMargin + page.cy};
}

void PrintPreview::DrawPage(HDC dc, const RECT& pageRect, UINT page)
{
    FillRect(dc, &pageRect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SavedDC saved(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, paper_.cx, paper_.cy, nullptr);
    SetViewportExtEx(dc, pageRect.right - pageRect.left, pageRect.bottom - pageRect.top, nullptr);
    SetViewportOrgEx(dc, pageRect.left, pageRect.top, nullptr);
    // The printer's origin is the printable area's corner, inside the sheet.
    SetWindowOrgEx(dc, -paperOffset_.x, -paperOffset_.y, nullptr);
    IntersectClipRect(dc, info_.drawArea.left, info_.drawArea.top, info_.drawArea.right, info_.drawArea.bottom);
    info_.currentPage = page;
    view_.OnPrint(dc, info_);
}

void PrintPreview::PaintContent(HDC dc)
{
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
    for (int index = 0; index < PagesShown(); ++index) {
        const UINT page = page_ + static_cast<UINT>(index);
        if (page > info_.maxPage)
            break;
        const RECT rect = PageRect(index);
        RECT shadow = rect;
        OffsetRect(&shadow, kShadow, kShadow);
        FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DrawPage(dc, rect, page);
        FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

void PrintPreview::Changed()
{
    bar_.SetStates(page_ + static_cast<UINT>(PagesShown()) - 1 < info_.maxPage, page_ > 1, PagesShown(),
                   zoom_ < kMaxZoom, zoom_ > 0);
    UpdateScrollBars();
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateStatus();
}

// Setting a page at least as large as the range hides a scroll bar, which
// changes the client area: the positions are clamped again on each change.
void PrintPreview::UpdateScrollBars()
{
    const SIZE content = ContentSize();
    RECT client;
    GetClientRect(Handle(), &client);
    scroll_.x = std::max(0L, std::min(scroll_.x, content.cx - client.right));
    scroll_.y = std::max(0L, std::min(scroll_.y, content.cy - client.bottom));
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = content.cx - 1;
    info.nPage = static_cast<UINT>(client.right);
    info.nPos = scroll_.x;
    SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
    info.nMax = content.cy - 1;
    info.nPage = static_cast<UINT>(client.bottom);
    info.nPos = scroll_.y;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void PrintPreview::OnScroll(int bar, UINT request)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP: position -= kScrollLine; break;
    case SB_LINEDOWN: position += kScrollLine; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    (bar == SB_HORZ ? scroll_.x : scroll_.y) = position;
    UpdateScrollBars();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void PrintPreview::UpdateStatus() const
{
    wchar_t text[64];
    const UINT last = std::min(page_ + static_cast<UINT>(PagesShown()) - 1, info_.maxPage);
    if (last > page_)
        std::swprintf(text, std::size(text), LoadString(kPreviewPagesText).c_str(), page_, last, info_.maxPage);
    else
        std::swprintf(text, std::size(text), LoadString(kPreviewPageText).c_str(), page_, info_.maxPage);
    frame_.SetMessageText(text);
}

LRESULT PrintPreview::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        PaintContent(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintContent(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        UpdateScrollBars();
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(Handle());
        return 0;
    case kClosePreview:
        if (wParam == kThenPrint)
            Print();
        else
            Close();
        return 0;
    }
    return Window::WndProc(message, wParam, lParam);
}
