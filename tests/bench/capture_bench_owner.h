// The process that owns the capture benchmark's controls, so that every read
// of them crosses a process boundary as it does for a user's program.  Its
// window holds a report-view list view and a tree, both large, and counts
// the messages that other processes send them: the measuring process learns
// how many exchanges a capture made without looking inside the extractors.
#pragma once

#include <windows.h>

constexpr int kBenchListId = 101;
constexpr int kBenchTreeId = 102;

constexpr int kBenchRows = 1000;
constexpr int kBenchColumns = 5;
constexpr int kBenchTreeParents = 100;
constexpr int kBenchTreeChildren = 9;  // per parent
constexpr int kBenchTreeItems = kBenchTreeParents * (1 + kBenchTreeChildren);

// Messages to the owner's window.  The queries take a control id in wParam
// (the list view's count includes its header) and answer what that control
// got from other processes since the last reset: get-item messages that
// carry an item structure (one per exchange), and all other messages.
constexpr UINT kQueryItemReads = WM_APP + 1;
constexpr UINT kQueryOtherMessages = WM_APP + 2;
constexpr UINT kResetCounts = WM_APP + 3;

// Shows the controls, reports "ready 0x<HWND>" on stdout and runs until the
// window is closed or the process `parentId` ends.  Returns the exit status.
int RunOwner(DWORD parentId);

// The main function of a benchmark program: "--owner PID" makes it the
// owner process; without arguments it starts its owner, a second instance
// of itself, and runs `measure` with the owner's window.
int RunBenchmark(int argc, char** argv, const char* name, int (*measure)(HWND owner));
