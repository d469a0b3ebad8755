#include "quillscape_view.h"

#include "application.h"
#include "child_frame.h"
#include "document.h"
#include "drag_source.h"
#include "printer_settings.h"

#include <string>

namespace {

// The screen and the printer font differ only in size.
HFONT CreateViewFont(int height, int width)
{
    return CreateFontW(height, width, 0, 0, FW_THIN, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_RASTER_PRECIS,
                       CLIP_CHARACTER_PRECIS, PROOF_QUALITY, FIXED_PITCH, L"ＭＳ ゴシック");
}

}  // namespace

CQuillscapeView::CQuillscapeView() : m_font(CreateViewFont(12, 6)) {}

void CQuillscapeView::OnInitialUpdate()
{
    auto* frame = dynamic_cast<CChildFrame*>(Frame());
    if (frame && GetDocument() && !GetDocument()->PathName().empty())
        frame->FitText(Text());
}

// 40 x 22 printer units at 100 %; the print dialog comes after, so a printer
// chosen there prints with the font of the default printer's scale.
bool CQuillscapeView::OnPreparePrinting(PrintInfo& info)
{
    if (!Application::Current()->GetPrinterDeviceDefaults(&info.dialog))
        return false;
    const int scale = ScaleOf(info.dialog.hDevMode);
    m_printerFont.Reset(CreateViewFont(scale * 40 / 100, scale * 22 / 100));
    SetPrinterFont(m_printerFont.Get());
    return EditView::OnPreparePrinting(info);
}

void CQuillscapeView::OnEndPrinting(HDC dc, PrintInfo& info)
{
    m_printerFont.Reset();
    EditView::OnEndPrinting(dc, info);
}

int CQuillscapeView::OnCreate()
{
    SendMessageW(Edit(), WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
    return 0;
}

bool CQuillscapeView::DragSelection(LPARAM position)
{
    DWORD start = 0, end = 0;
    SendMessageW(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end)
        return false;
    const DWORD under = CharacterAt(position);
    if (under < start || under > end)
        return false;

    DragText(TextBetween(start, end), DROPEFFECT_COPY | DROPEFFECT_MOVE);
    SendMessageW(Edit(), WM_LBUTTONUP, 0, position);
    return true;
}

LRESULT CQuillscapeView::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN && DragSelection(lParam))
        return 0;
    return EditView::WndProc(message, wParam, lParam);
}
