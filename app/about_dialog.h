// The about box: the program's version and a link to the product's page.
#pragma once

#include "dialog.h"
#include "hyperlink.h"

extern const wchar_t kProductPageAddress[];
// "Quillscape Version 2.0.2"
std::wstring VersionLine();

class CAboutDlg : public ModalDialog {
public:
    explicit CAboutDlg(HWND parent);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CHyperLink m_link;
};
