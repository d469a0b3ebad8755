// The small window shown while a job prints: the document, the page, and a
// button to cancel. The owner is disabled meanwhile, as under a modal
// dialog, and enabled again when the window goes.
#pragma once

#include "window.h"

#include <string>

class PrintProgress : public Window {
public:
    PrintProgress(HWND owner, const std::wstring& document);
    ~PrintProgress() override;

    void ShowPage(UINT page);
    // Handles the messages waiting for the program; true once the user
    // cancelled (or the program is quitting).
    bool Cancelled();

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND owner_;
    bool ownerWasEnabled_;
    HWND pageText_ = nullptr;
    bool cancelled_ = false;
};

extern const wchar_t kPrintProgressClass[];
