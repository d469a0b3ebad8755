// For the whole test program, the class id of the HTML help control
// library names help_recorder.dll, which records each help call in a log
// and hands it on to the system's library: the tests see which file and
// topic the program asked for, in this process and in the programs it
// starts. The registered location is put back when the program ends.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct HelpCall {
    UINT command;
    std::string file;  // as passed, code page 932
};

std::vector<HelpCall> RecordedHelpCalls();
void ForgetRecordedHelpCalls();
// The files of the recorded calls with `command`, in order.
std::vector<std::string> RecordedFiles(UINT command);

// The help viewers ("HH Parent") of a thread.
std::vector<HWND> HelpViewersOfThread(DWORD threadId);
