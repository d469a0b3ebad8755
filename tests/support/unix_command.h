// Commands of the Unix host, run from a Windows test under Wine. Wine
// starts Unix programs but hands back no handle that would tell their end,
// so a command runs through /bin/sh, which writes the exit status into a
// file of its own once the command has ended; the caller waits, bounded,
// for that file.
#pragma once

#include <windows.h>

#include <string>

// Runs `command` (a shell command line without double quotes) and waits for
// its end at most `timeoutMs`; what it wrote to standard output and error
// goes into `output`. Empty when it exited with status 0, else what went
// wrong, with what it wrote.
std::string RunUnixCommand(const std::string& command, DWORD timeoutMs, std::string* output = nullptr);
