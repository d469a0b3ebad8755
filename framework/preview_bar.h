// The print preview's row of buttons, in the place of the main frame's top
// bar: print, next and previous page, one or two pages, zoom in and out,
// close. A click goes to the preview.
#pragma once

#include "window.h"

#include <functional>

enum PreviewButton : UINT {
    kPreviewPrint = 1,
    kPreviewNext,
    kPreviewPrevious,
    kPreviewPages,
    kPreviewZoomIn,
    kPreviewZoomOut,
    kPreviewClose,
};

class PreviewBar : public Window {
public:
    using OnClick = std::function<void(PreviewButton)>;

    bool CreateBar(HWND frame, OnClick onClick);
    int Height() const;
    HWND Button(PreviewButton button) const { return GetDlgItem(Handle(), static_cast<int>(button)); }
    // The pages button offers the other choice than `pagesShown`.
    void SetStates(bool hasNext, bool hasPrevious, int pagesShown, bool canZoomIn, bool canZoomOut) const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    OnClick onClick_;
};
