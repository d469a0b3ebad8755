// The options dialog: the four option flags as check boxes. OK changes the
// flags in memory for the next conversion; the profile gets them at exit.
#pragma once

#include "dialog.h"

class COptionDlg : public ModalDialog {
public:
    explicit COptionDlg(HWND parent);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
