#include "dialog.h"

#include "window.h"

void DataExchange::Check(int id, int32_t& value) const
{
    if (saving_)
        value = IsDlgButtonChecked(dialog_, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(dialog_, id, value == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void DataExchange::Text(int id, std::string& value) const
{
    HWND control = GetDlgItem(dialog_, id);
    if (!saving_) {
        SetWindowTextA(control, value.c_str());
        return;
    }
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(control, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    value = std::move(text);
}

void DataExchange::Control(int id, Window& control) const
{
    if (!saving_ && !control.Handle())
        control.Subclass(GetDlgItem(dialog_, id));
}

INT_PTR ModalDialog::DoModal()
{
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void ModalDialog::UpdateData(bool saving)
{
    DataExchange exchange(hwnd_, saving);
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
    EndDialog(hwnd_, IDOK);
}

void ModalDialog::OnCancel()
{
    EndDialog(hwnd_, IDCANCEL);
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

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<ModalDialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        dialog->hwnd_ = hwnd;
        return dialog->OnInitDialog();
    }
    return dialog ? dialog->OnMessage(message, wParam, lParam) : FALSE;
}
