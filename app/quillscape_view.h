// The view of an output document: an edit view in a fixed-pitch Japanese
// font, one picture cell to a 6 x 12 pixel character cell, from which a
// selection can be dragged out as text. It prints in the same font sized
// after the printer's scale.
#pragma once

#include "edit_view.h"
#include "guards.h"

class CQuillscapeView : public EditView {
public:
    CQuillscapeView();

    // A file's frame is sized for its text, as a conversion's is for its picture.
    void OnInitialUpdate() override;
    bool OnPreparePrinting(PrintInfo& info) override;
    void OnEndPrinting(HDC dc, PrintInfo& info) override;

protected:
    int OnCreate() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // True when the press was inside the selection and its text was dragged.
    bool DragSelection(LPARAM position);

    OwnedFont m_font;
    OwnedFont m_printerFont;
};
