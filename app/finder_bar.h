// The bar along the top of the main frame: the finder image at its left
// end, then the save, cut, copy and paste buttons.
#pragma once

#include "dialog_bar.h"
#include "icon_button.h"

#include <array>

class CFinderBar : public DialogBar {
public:
    CFinderBar();

    // Creates the bar from its template; InitBar follows once the bar's
    // creation has been handled.
    bool CreateFinderBar(HWND frame);

    bool PreTranslateMessage(MSG* message) override;

protected:
    virtual void InitBar();
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddFinderTip();
    // Each button copies the bar's pixels afresh at its next drawing.
    void RefreshBackdrops();

    char m_cErased;
    HWND m_tipFinder = nullptr;
    std::array<CIconButton, 4> m_buttons;  // save, cut, copy, paste
};
