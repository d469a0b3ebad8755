// Waiting for a state that another process, the system or the display
// reaches in its own time: polled with a short sleep, and bounded.
#pragma once

#include <chrono>
#include <thread>

// Long enough for Wine on a busy machine to start a process or convert a window.
constexpr unsigned long kStateTimeoutMs = 60000;

// Polls `holds` until it is true or `timeoutMs` has passed; its last answer.
template <class Condition>
bool WaitUntil(Condition holds, unsigned long timeoutMs = kStateTimeoutMs)
{
    using Clock = std::chrono::steady_clock;
    constexpr std::chrono::milliseconds kPoll(10);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!holds()) {
        if (Clock::now() >= deadline)
            return holds();
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}
