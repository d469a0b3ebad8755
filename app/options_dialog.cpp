#include "options_dialog.h"

#include "capture_state.h"
#include "help.h"
#include "resource.h"

COptionDlg::COptionDlg(HWND parent) : ModalDialog(IDD_OPTIONS, parent) {}

// A box is ticked only for a flag of exactly 1; OK stores 1 or 0, so an odd
// value from an edited profile survives only a cancel.
void COptionDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.Check(IDC_DEL_SPACE_LINES, DelSpcLinFlg);
    exchange.Check(IDC_DEL_SPACE_COLUMNS, DelSpcColFlg);
    exchange.Check(IDC_CUT_UNDERLINE, CutUnderLine);
    exchange.Check(IDC_NO_MULTI_LINE, NoMuitiLine);
}

INT_PTR COptionDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP) {
        ShowHelp(OptionsHelpTopic().c_str());
        return TRUE;
    }
    return ModalDialog::OnMessage(message, wParam, lParam);
}
