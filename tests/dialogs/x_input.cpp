#include "x_input.h"

#include "host_path.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

constexpr DWORD kStepTimeoutMs = 60000;
constexpr DWORD kPollMs = 10;

// Exported by Wine's kernel32 alone; the result lives on the process heap.
using UnixFileName = char*(CDECL*)(const WCHAR* dosPath);

std::string UnixPathOf(const std::wstring& path)
{
    const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unixPath = unixFileName ? unixFileName(path.c_str()) : nullptr;
    if (!unixPath)
        return {};
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

std::wstring StepFile(const std::string& name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"qs-xdotool-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::wstring(name.begin(), name.end());
}

std::string FileText(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void HandleMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

bool RunXdotool(const std::string& commands)
{
    const std::wstring output = StepFile("out"), status = StepFile("status"), done = StepFile("done");
    DeleteFileW(done.c_str());
    const std::string unixOutput = UnixPathOf(output), unixStatus = UnixPathOf(status),
                      unixDone = UnixPathOf(done);
    // The done file gets its name only once the status in it is complete.
    const std::string script = "xdotool " + commands + " >'" + unixOutput + "' 2>&1; echo $? >'" + unixStatus +
                               "'; mv '" + unixStatus + "' '" + unixDone + "'";
    std::wstring commandLine = L"\"" + HostPath("/bin/sh") + L"\" -c \"" +
                               std::wstring(script.begin(), script.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start /bin/sh for xdotool " << commands;
        return false;
    }
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    const DWORD start = GetTickCount();
    while (GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start >= kStepTimeoutMs) {
            ADD_FAILURE() << "xdotool " << commands << ": not ended within " << kStepTimeoutMs << " ms";
            return false;
        }
        Sleep(kPollMs);
    }
    const std::string exitStatus = FileText(done);
    if (exitStatus != "0\n") {
        ADD_FAILURE() << "xdotool " << commands << ": exit status " << exitStatus << FileText(output);
        return false;
    }
    return true;
}

bool PumpUntilDispatched(const std::function<bool(const MSG&)>& dispatched, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            if (dispatched(message))
                return true;
        }
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HandleMessages();
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
    }
}

std::string ScreenPoint(POINT point)
{
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

POINT CentreOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
