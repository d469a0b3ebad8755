#include "preview_bar.h"

#include "application.h"
#include "print_texts.h"

namespace {

const wchar_t kPreviewBarClass[] = L"QuillscapePreviewBar";
constexpr int kButtonHeight = 24;
constexpr int kPadding = 3;

struct BarButton {
    PreviewButton id;
    UINT text;
    int width;
};

constexpr BarButton kButtons[] = {
    {kPreviewPrint, kPreviewPrintText, 80},      {kPreviewNext, kPreviewNextText, 80},
    {kPreviewPrevious, kPreviewPreviousText, 80}, {kPreviewPages, kPreviewTwoPagesText, 80},
    {kPreviewZoomIn, kPreviewZoomInText, 64},    {kPreviewZoomOut, kPreviewZoomOutText, 64},
    {kPreviewClose, kPreviewCloseText, 72},
};

}  // namespace

bool PreviewBar::CreateBar(HWND frame, OnClick onClick)
{
    onClick_ = std::move(onClick);
    if (!RegisterClassFor(kPreviewBarClass, 0, nullptr, LoadCursor(nullptr, IDC_ARROW),
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    if (!Create(kPreviewBarClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, RECT{0, 0, 0, Height()}, frame,
                nullptr))
        return false;
    int x = kPadding;
    for (const BarButton& kind : kButtons) {
        HWND button = CreateWindowExW(0, L"Button", LoadString(kind.text).c_str(),
                                      WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, kPadding, kind.width, kButtonHeight,
                                      Handle(),
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kind.id)),
                                      GetModuleHandleW(nullptr), nullptr);
        if (!button)
            return false;
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        x += kind.width + kPadding;
    }
    return true;
}

int PreviewBar::Height() const
{
    return kButtonHeight + 2 * kPadding;
}

void PreviewBar::SetStates(bool hasNext, bool hasPrevious, int pagesShown, bool canZoomIn, bool canZoomOut) const
{
    EnableWindow(Button(kPreviewNext), hasNext);
    EnableWindow(Button(kPreviewPrevious), hasPrevious);
    SetWindowTextW(Button(kPreviewPages),
                   LoadString(pagesShown == 2 ? kPreviewOnePageText : kPreviewTwoPagesText).c_str());
    EnableWindow(Button(kPreviewZoomIn), canZoomIn);
    EnableWindow(Button(kPreviewZoomOut), canZoomOut);
}

LRESULT PreviewBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam && onClick_) {
        onClick_(static_cast<PreviewButton>(LOWORD(wParam)));
        return 0;
    }
    return Window::WndProc(message, wParam, lParam);
}
