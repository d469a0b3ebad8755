// The view of an output document: an edit view in a fixed-pitch Japanese
// font, one picture cell to a 6 x 12 pixel character cell, from which a
// selection can be dragged out as text.
#pragma once

#include "edit_view.h"
#include "guards.h"

class CQuillscapeView : public EditView {
public:
    CQuillscapeView();

protected:
    int OnCreate() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // True when the press was inside the selection and its text was dragged.
    bool DragSelection(LPARAM position);

    OwnedFont m_font;
};
