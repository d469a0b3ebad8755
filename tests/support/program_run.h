// Programs that a test runs to their end as a user runs them, and the
// arguments it names windows with.
#pragma once

#include <windows.h>

#include <string>

struct ProgramRun {
    DWORD exitCode;
    std::string output;
    std::string errors;
};

// Runs the program (a path of the build machine, see host_path.h) to its
// end, bounded; a program still running then is ended and the test fails.
ProgramRun RunProgram(const char* program, const std::wstring& arguments);

// False on a machine that does not execute 32-bit programs (tools/with-wine
// then sets QS_NO_32BIT=1).
bool Runs32BitPrograms();

// The window's handle as qscap takes it: "0x" and hexadecimal digits.
std::wstring Hex(HWND window);
