#include "dialog.h"

#include "text_of_window.h"

void DataExchange::Check(int id, int32_t& value) const
{
    if (saving_)
        value = IsDlgButtonChecked(dialog_, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(dialog_, id, value == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void DataExchange::Text(int id, std::wstring& value) const
{
    HWND control = GetDlgItem(dialog_, id);
    if (!saving_) {
        SetWindowTextW(control, value.c_str());
        return;
    }
    value = WindowText(control);
}

void DataExchange::Control(int id, Window& control) const
{
    if (!saving_ && !control.Handle())
        control.Subclass(GetDlgItem(dialog_, id));
}

INT_PTR ModalDialog::DoModal()
{
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent_, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void ModalDialog::UpdateData(bool saving)
{
    DataExchange exchange(Handle(), saving);
    DoDataExchange(exchange);
}

bool ModalDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void ModalDialog::OnOK()
{
    UpdateData(true);
    EndDialog(Handle(), IDOK);
}

void ModalDialog::OnCancel()
{
    EndDialog(Handle(), IDCANCEL);
}

INT_PTR ModalDialog::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

LRESULT ModalDialog::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return OnMessage(message, wParam, lParam);
}

LRESULT ModalDialog::DefaultProc(UINT, WPARAM, LPARAM)
{
    return FALSE;
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG && !reinterpret_cast<ModalDialog*>(lParam)->Bind(hwnd)) {
        EndDialog(hwnd, -1);
        return FALSE;
    }
    Window* dialog = FromHandle(hwnd);
    return dialog ? Dispatch(dialog, message, wParam, lParam) : FALSE;
}
