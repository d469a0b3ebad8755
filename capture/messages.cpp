#include "messages.h"

#include "capture_stop.h"
#include "unread_windows.h"

Delivery DeliverToWindow(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result, CharSet charSet)
{
    const bool wide = charSet == CharSet::Wide;
    *result = 0;
    if (CaptureMustStop())
        return Delivery::NotSent;
    const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
    if (thread == 0)
        return Delivery::NotSent;
    if (thread == GetCurrentThreadId()) {
        *result = wide ? SendMessageW(hwnd, msg, wp, lp) : SendMessageA(hwnd, msg, wp, lp);
        return Delivery::Answered;
    }
    if (IsSilentThread(thread)) {
        NoteUnansweredWindow(hwnd, thread);
        return Delivery::NotSent;
    }
    DWORD_PTR answer = 0;
    const LRESULT sent = wide ? SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer)
                              : SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer);
    if (sent) {
        *result = static_cast<LRESULT>(answer);
        return Delivery::Answered;
    }
    // A window that went away meanwhile says nothing about its thread.
    if (IsWindow(hwnd))
        NoteUnansweredWindow(hwnd, thread);
    return Delivery::Unanswered;
}

bool IsAnswering(HWND hwnd)
{
    LRESULT ignored;
    return SendToWindow(hwnd, WM_NULL, 0, 0, &ignored);
}
