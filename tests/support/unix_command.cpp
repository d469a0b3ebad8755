#include "unix_command.h"

#include "file_contents.h"
#include "host_path.h"
#include "wait_until.h"
#include "wide_text.h"

namespace {

const char kScratchFolder[] = "/tmp";

bool StartShell(const std::string& script)
{
    // Wine's CreateProcess of a Unix program resumes and closes a handle
    // taken from uninitialised memory, which in a 32-bit process was seen to
    // close one of the system's own registry keys (the default printer was
    // gone after it). Wine's start.exe starts the shell instead, so that
    // whatever it closes is its own. Handles are not inherited: a Unix
    // process has no use for them.
    std::wstring commandLine = L"start.exe /exec \"" + HostPath("/bin/sh") + L"\" -c \"" + Widen(script) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return false;
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    return true;
}

}  // namespace

std::string RunUnixCommand(const std::string& command, DWORD timeoutMs, std::string* output)
{
    static int commands = 0;
    const std::string name = "qs-unix-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++commands);
    const std::string base = std::string(kScratchFolder) + "/" + name;
    // The status file gets its final name only once it is complete.
    const std::string script = "(" + command + ") >'" + base + ".out' 2>&1; echo $? >'" + base + ".status'; mv '" +
                               base + ".status' '" + base + ".done'";
    if (!StartShell(script))
        return "cannot start /bin/sh for: " + command;

    const std::wstring files = HostPath(kScratchFolder) + L"\\" + Widen(name);
    const std::wstring done = files + L".done";
    if (!WaitUntil([&] { return GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs))
        return command + ": not ended within " + std::to_string(timeoutMs) + " ms";
    const std::string status = FileBytes(done).value_or("");
    const std::string said = FileBytes(files + L".out").value_or("");
    DeleteFileW(done.c_str());
    DeleteFileW((files + L".out").c_str());
    if (output)
        *output = said;
    return status == "0\n" ? std::string() : command + ": exit status " + status + said;
}
