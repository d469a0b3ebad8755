// The windows a conversion could not read, noted while it runs: those of
// threads that stopped answering, those destroyed while they were read,
// those whose answers were out of bounds and those whose process could not
// be opened; and whether the item table filled up.
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

// An answer of `window` was out of bounds: cut to what can be shown, or left
// out (a text pointer outside our block, an item chain that loops).
void NoteAnswerOutOfBounds(HWND window);

// The process of `window` could not be opened to read its controls.
void NoteProcessNotOpened(HWND window);

// The item table is full; the walk ends.
void NoteTableFull();

CaptureGaps CountUnreadWindows();
