// A modal dialog from a dialog template, with data exchange between the
// dialog's controls and the variables of the object.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class Window;

// One direction of data exchange: into the controls, or out of them.
class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}
    bool Saving() const { return saving_; }

    // A check box: ticked only for exactly 1; stores 1 or 0.
    void Check(int id, int32_t& value) const;
    void Text(int id, std::string& value) const;
    // Binds control `id` to `control` when the controls are filled, once.
    void Control(int id, Window& control) const;

private:
    HWND dialog_;
    bool saving_;
};

class ModalDialog {
public:
    ModalDialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // IDOK, IDCANCEL, or -1 when the dialog could not be made.
    INT_PTR DoModal();
    HWND Handle() const { return hwnd_; }

protected:
    virtual void DoDataExchange(DataExchange& exchange) { (void)exchange; }
    // Fills the controls; true lets the system set the focus.
    virtual bool OnInitDialog();
    // Takes the controls' values and ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void UpdateData(bool saving);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND parent_;
    HWND hwnd_ = nullptr;
};
