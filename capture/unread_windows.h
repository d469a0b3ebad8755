// The windows a conversion could not read, noted while it runs: those of
// threads that stopped answering, and those destroyed while they were read.
#pragma once

#include "capture_gaps.h"

#include <windows.h>

// Starts a conversion: every thread gets a new chance to answer.
void ForgetUnreadWindows();

// True once a message to a window of this thread has timed out.
bool IsSilentThread(DWORD thread);

// A message to `window` went unanswered: it timed out, and its thread counts
// as silent from now on, or its thread was silent already.
void NoteUnansweredWindow(HWND window, DWORD thread);

// `window` was destroyed while it, or the windows below it, were read.
void NoteVanishedWindow(HWND window);

CaptureGaps CountUnreadWindows();
