#include "x_input.h"

#include "host_path.h"

#include <windows.h>

bool SendXInput(const std::string& arguments)
{
    const std::wstring program = HostPath("/usr/bin/xdotool");
    std::wstring commandLine = L"\"" + program + L"\" " + std::wstring(arguments.begin(), arguments.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    return true;
}
