// A modal dialog from a dialog template, with data exchange between the
// dialog's controls and the variables of the object. The dialog is a Window,
// bound like every other one for as long as the dialog box lives.
#pragma once

#include "window.h"

#include <cstdint>
#include <string>

// One direction of data exchange: into the controls, or out of them.
class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}
    bool Saving() const { return saving_; }

    // A check box: ticked only for exactly 1; stores 1 or 0.
    void Check(int id, int32_t& value) const;
    void Text(int id, std::wstring& value) const;
    // Binds control `id` to `control` when the controls are filled, once.
    void Control(int id, Window& control) const;

private:
    HWND dialog_;
    bool saving_;
};

class ModalDialog : public Window {
public:
    ModalDialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

    // IDOK, IDCANCEL, or -1 when the dialog could not be made.
    INT_PTR DoModal();

protected:
    virtual void DoDataExchange(DataExchange& exchange) { (void)exchange; }
    // Fills the controls; true lets the system set the focus.
    virtual bool OnInitDialog();
    // Takes the controls' values and ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void UpdateData(bool saving);

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // What the dialog manager does without us follows the dialog procedure.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND parent_;
};
