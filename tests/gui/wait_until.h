// Waiting for a state of another process's windows: polled, with a bound.
#pragma once

#include <windows.h>

// Long enough for Wine on a busy machine to start a process or convert a window.
constexpr DWORD kStateTimeoutMs = 60000;

// Polls `holds` until it is true or `timeoutMs` has passed; its last answer.
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
