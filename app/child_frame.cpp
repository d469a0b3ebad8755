#include "child_frame.h"

#include "application.h"
#include "capture_state.h"
#include "mdi_frame.h"

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

void CChildFrame::PreCreateWindow(SIZE* size)
{
    RECT client{};
    GetClientRect(Application::Current()->MainFrame()->Handle(), &client);
    *size = ChildFrameSize(OutputCols, OutputRows, client);
}
