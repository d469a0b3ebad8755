#include "modal_dialog.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kPollMs = 10;
constexpr DWORD kTimeoutMs = 30000;

struct PendingStep {
    const std::function<void(HWND)>* step;
    DWORD since;
    HWND dialog;  // once the step has run
};

PendingStep* pending;

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Comes through the dialog's modal loop: finds the dialog and runs the
// step, then waits for the end. EndDialog hides the dialog at once; the
// close box ends it through a message it posts itself.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!pending)
        return;
    if (!pending->dialog) {
        EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&pending->dialog));
        if (pending->dialog) {
            (*pending->step)(pending->dialog);
            pending->since = GetTickCount();
        }
    }
    if (pending->dialog && !IsWindowVisible(pending->dialog)) {
        KillTimer(nullptr, timer);
    } else if (GetTickCount() - pending->since >= kTimeoutMs) {
        ADD_FAILURE() << (pending->dialog ? "the dialog is still open after the step" : "no dialog came");
        KillTimer(nullptr, timer);
        if (pending->dialog)
            EndDialog(pending->dialog, IDCANCEL);
    }
}

}  // namespace

void WithModalDialog(const std::function<void()>& open, const std::function<void(HWND dialog)>& step)
{
    PendingStep state{&step, GetTickCount(), nullptr};
    pending = &state;
    const UINT_PTR timer = SetTimer(nullptr, 0, kPollMs, OnTimer);
    open();
    KillTimer(nullptr, timer);
    pending = nullptr;
    EXPECT_NE(state.dialog, nullptr) << "the dialog closed before the step ran";
}

void Click(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

bool IsTicked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
