#include "dialog_answer.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kPollMs = 50;
constexpr DWORD kBoundMs = 60000;

DialogAnswer* active;  // a timer procedure has no context of its own

struct Search {
    const char* className;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, search->className) == 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

DialogAnswer::DialogAnswer(std::function<void(HWND)> answer, const char* className)
    : answer_(std::move(answer)), className_(className), deadline_(GetTickCount() + kBoundMs)
{
    active = this;
    timer_ = SetTimer(nullptr, 0, kPollMs, Tick);
}

DialogAnswer::~DialogAnswer()
{
    KillTimer(nullptr, timer_);
    active = nullptr;
}

void CALLBACK DialogAnswer::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (active)
        active->Look();
}

void DialogAnswer::Look()
{
    Search search{className_};
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    if (!answered_) {
        answered_ = true;
        answer_(search.found);
    } else if (static_cast<LONG>(GetTickCount() - deadline_) > 0) {
        ADD_FAILURE() << "the dialog is still open after the answer";
        PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
        deadline_ = GetTickCount() + kBoundMs;
    }
}

void WithModalDialog(const std::function<void()>& open, const std::function<void(HWND)>& answer)
{
    DialogAnswer dialog(answer);
    open();
    EXPECT_TRUE(dialog.Answered()) << "no dialog came";
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SetControlText(HWND dialog, int id, const char* text)
{
    SetDlgItemTextA(dialog, id, text);
}
