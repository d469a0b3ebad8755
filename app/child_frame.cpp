#include "child_frame.h"

#include "application.h"
#include "capture_state.h"
#include "mdi_frame.h"
#include "text_pages.h"

#include <algorithm>

namespace {

constexpr int kCellWidth = 6;
constexpr int kCellHeight = 12;
constexpr int kMargin = 50;
constexpr int kBottomReserve = 64;

}  // namespace

SIZE ChildFrameSize(int32_t cols, int32_t rows, const RECT& mainClient)
{
    LONG width = cols * kCellWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME) + kMargin;
    LONG height =
        rows * kCellHeight + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYDLGFRAME) + kMargin;
    const LONG roomWidth = mainClient.right - mainClient.left;
    const LONG roomHeight = mainClient.bottom - kBottomReserve - mainClient.top;
    if (width > roomWidth)
        width = roomWidth;
    if (height > roomHeight)
        height = roomHeight;
    return {width, height};
}

void CChildFrame::FitText(const std::wstring& text)
{
    int32_t cols = 0, rows = 0;
    for (size_t start = 0; start < text.size(); ++rows) {
        const size_t end = std::min(text.find(L"\r\n", start), text.size());
        int32_t cells = 0;
        for (size_t at = start; at < end; ++at)
            cells += CellsOf(text[at]);
        cols = std::max(cols, cells);
        start = end + 2;
    }
    RECT client{};
    GetClientRect(Application::Current()->MainWindow(), &client);
    const SIZE size = ChildFrameSize(cols, rows, client);
    // The restored rectangle: a maximised frame keeps filling the area.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Handle(), &placement);
    placement.rcNormalPosition.right = placement.rcNormalPosition.left + size.cx;
    placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + size.cy;
    SetWindowPlacement(Handle(), &placement);
}

void CChildFrame::PreCreateWindow(SIZE* size)
{
    RECT client{};
    GetClientRect(Application::Current()->MainWindow(), &client);
    *size = ChildFrameSize(OutputCols, OutputRows, client);
}
