// Windows of the tests' own and the messages that drive them.
#pragma once

#include <windows.h>

#include <functional>

// Registers a class whose windows do nothing of their own.
void RegisterPlainClass(const char* className);

// Handles this thread's messages until `dispatched` has returned true for
// one of them, after its dispatch, or `timeoutMs` has passed.
bool PumpUntilDispatched(const std::function<bool(const MSG&)>& dispatched, DWORD timeoutMs);
