// Waiting for a state that another process, the system or the display
// reaches in its own time: polled with a short sleep, and bounded.
#pragma once

#include <windows.h>

// Long enough for Wine on a busy machine to start a process or convert a window.
constexpr DWORD kStateTimeoutMs = 60000;

// Polls `holds` until it is true or `timeoutMs` has passed; its last answer.
// Sleep, not std::this_thread: under Wine, MinGW's thread library closed
// the test's standard output while it slept.
template <class Condition>
bool WaitUntil(Condition holds, DWORD timeoutMs = kStateTimeoutMs)
{
    constexpr DWORD kPollMs = 10;
    const DWORD start = GetTickCount();
    while (!holds()) {
        if (GetTickCount() - start >= timeoutMs)
            return holds();
        Sleep(kPollMs);
    }
    return true;
}
