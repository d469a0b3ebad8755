#include "messages.h"

#include <algorithm>
#include <vector>

namespace {

// Threads that missed a message during this conversion.
std::vector<DWORD> silentThreads;

bool IsSilent(DWORD thread)
{
    return std::find(silentThreads.begin(), silentThreads.end(), thread) != silentThreads.end();
}

}  // namespace

bool SendToWindow(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result, CharSet charSet)
{
    const bool wide = charSet == CharSet::Wide;
    *result = 0;
    const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
    if (thread == 0)
        return false;
    if (thread == GetCurrentThreadId()) {
        *result = wide ? SendMessageW(hwnd, msg, wp, lp) : SendMessageA(hwnd, msg, wp, lp);
        return true;
    }
    if (IsSilent(thread))
        return false;
    DWORD_PTR answer = 0;
    const LRESULT sent = wide ? SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer)
                              : SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer);
    if (sent) {
        *result = static_cast<LRESULT>(answer);
        return true;
    }
    // A window that went away meanwhile says nothing about its thread.
    if (IsWindow(hwnd))
        silentThreads.push_back(thread);
    return false;
}

void ForgetSilentThreads()
{
    silentThreads.clear();
}

bool IsAnswering(HWND hwnd)
{
    LRESULT ignored;
    return SendToWindow(hwnd, WM_NULL, 0, 0, &ignored);
}
