#include "modal_dialog.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kPollMs = 10;
constexpr DWORD kShowTimeoutMs = 30000;

constexpr DWORD kCloseTimeoutMs = 10000;

struct PendingStep {
    const std::function<void(HWND)>* step;
    DWORD started;
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

// After the step: the dialog may close through a message it posted itself
// (the close box does that); EndDialog hides it at once.
void WatchClosing(UINT_PTR timer)
{
    if (!IsWindowVisible(pending->dialog)) {
        KillTimer(nullptr, timer);
        return;
    }
    if (GetTickCount() - pending->started < kCloseTimeoutMs)
        return;
    ADD_FAILURE() << "the dialog is still open " << kCloseTimeoutMs << " ms after the step";
    KillTimer(nullptr, timer);
    EndDialog(pending->dialog, IDCANCEL);
}

// The timer's messages come through the dialog's modal loop.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!pending)
        return;
    if (pending->dialog) {
        WatchClosing(timer);
        return;
    }
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) {
        if (GetTickCount() - pending->started >= kShowTimeoutMs) {
            ADD_FAILURE() << "no dialog within " << kShowTimeoutMs << " ms";
            KillTimer(nullptr, timer);
        }
        return;
    }
    pending->dialog = dialog;
    (*pending->step)(dialog);
    pending->started = GetTickCount();
    WatchClosing(timer);
}

}  // namespace

void WithModalDialog(const std::function<void()>& open, const std::function<void(HWND dialog)>& step)
{
    PendingStep state{&step, GetTickCount(), nullptr};
    pending = &state;
    const UINT_PTR timer = SetTimer(nullptr, 0, kPollMs, OnTimer);
    open();
    KillTimer(nullptr, timer);
    if (!state.dialog)
        ADD_FAILURE() << "the dialog closed before the step ran, or never opened";
    pending = nullptr;
}

void Click(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

bool IsTicked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void ExpectClientSize(HWND dialog, int width, int height)
{
    RECT client, expected{0, 0, width, height};
    GetClientRect(dialog, &client);
    MapDialogRect(dialog, &expected);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
}

void ExpectControls(HWND dialog, const std::vector<ControlSpec>& controls)
{
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const ControlSpec& spec : controls) {
        ASSERT_NE(control, nullptr) << "control " << spec.id << " is missing";
        SCOPED_TRACE("control " + std::to_string(spec.id) + " " + (spec.text ? spec.text : ""));
        char className[32] = "";
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, spec.className);
        EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(control))), spec.id);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        const DWORD typeMask = lstrcmpiA(className, "Button") == 0 ? BS_TYPEMASK : SS_TYPEMASK;
        EXPECT_EQ(style & typeMask, spec.type);
        EXPECT_EQ(style & spec.flags, spec.flags);
        if (spec.text) {
            char text[128] = "";
            GetWindowTextA(control, text, sizeof text);
            EXPECT_STREQ(text, spec.text);
        }
        // Place and size convert to pixels apart, as the dialog manager does.
        RECT expected = spec.units;
        MapDialogRect(dialog, &expected);
        expected.right += expected.left;
        expected.bottom += expected.top;
        RECT actual;
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        // An icon control takes the size of its icon.
        if (spec.type == SS_ICON) {
            expected.right = expected.left + actual.right - actual.left;
            expected.bottom = expected.top + actual.bottom - actual.top;
        }
        EXPECT_TRUE(EqualRect(&actual, &expected))
            << "at (" << actual.left << ", " << actual.top << ", " << actual.right << ", " << actual.bottom
            << "), expected (" << expected.left << ", " << expected.top << ", " << expected.right << ", "
            << expected.bottom << ")";
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "the dialog has more controls than its template";
}
