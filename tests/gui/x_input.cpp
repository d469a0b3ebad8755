#include "x_input.h"

#include "host_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <process.h>
#include <sstream>

namespace {

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

std::wstring NewScratchFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t name[64];
    std::swprintf(name, 64, L"qsgui-%lu-%lu", GetCurrentProcessId(), GetTickCount());
    std::wstring folder = std::wstring(temp) + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void RemoveFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::string FileText(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// Starts /bin/sh with the script. Wine hands back no handle of a Unix
// process that would tell its end.
bool StartShell(const std::string& script)
{
    const std::wstring shell = HostPath("/bin/sh");
    // The C library joins the arguments with spaces as they stand.
    const std::wstring quotedShell = L"\"" + shell + L"\"";
    const std::wstring quotedScript = L"\"" + Widen(script) + L"\"";
    const wchar_t* const arguments[] = {quotedShell.c_str(), L"-c", quotedScript.c_str(), nullptr};
    const intptr_t process = _wspawnv(_P_NOWAIT, shell.c_str(), arguments);
    if (process == -1)
        return false;
    if (process)
        CloseHandle(reinterpret_cast<HANDLE>(process));
    return true;
}

std::string Coordinates(POINT point)
{
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

}  // namespace

XInput::XInput() : folder_(NewScratchFolder()), unixFolder_(UnixPathOf(folder_)) {}

XInput::~XInput()
{
    std::string letGo;
    if (buttonDown_)
        letGo += " mouseup 1";
    for (const std::string& key : keysDown_)
        letGo += " keyup " + key;
    if (!letGo.empty())
        static_cast<void>(Run(letGo.substr(1)));
    RemoveFolder(folder_);
}

bool XInput::Run(const std::string& commands)
{
    if (unixFolder_.empty()) {
        ADD_FAILURE() << "no Unix path for " << std::string(folder_.begin(), folder_.end());
        return false;
    }
    const std::string number = std::to_string(++step_);
    const std::string output = unixFolder_ + "/out-" + number;
    const std::string status = unixFolder_ + "/status-" + number;
    const std::string done = unixFolder_ + "/done-" + number;
    // The status file gets its final name only once it is complete.
    const std::string script = "xdotool " + commands + " >'" + output + "' 2>&1; echo $? >'" + status + "'; mv '" +
                               status + "' '" + done + "'";
    if (!StartShell(script)) {
        ADD_FAILURE() << "cannot start /bin/sh for: xdotool " << commands;
        return false;
    }
    const std::wstring doneFile = folder_ + L"\\done-" + Widen(number);
    const DWORD start = GetTickCount();
    while (!FileExists(doneFile)) {
        if (GetTickCount() - start >= kStepTimeoutMs) {
            ADD_FAILURE() << "xdotool " << commands << ": not ended within " << kStepTimeoutMs << " ms";
            return false;
        }
        Sleep(kPollMs);
    }
    const std::string exitStatus = FileText(doneFile);
    if (exitStatus != "0\n") {
        ADD_FAILURE() << "xdotool " << commands << ": exit status " << exitStatus
                      << FileText(folder_ + L"\\out-" + Widen(number));
        return false;
    }
    return true;
}

bool XInput::MoveTo(POINT point)
{
    return Run("mousemove " + Coordinates(point));
}

bool XInput::Glide(POINT from, POINT to, int steps)
{
    std::string commands;
    for (int i = 1; i <= steps; ++i) {
        const POINT step{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        commands += (i > 1 ? " mousemove " : "mousemove ") + Coordinates(step);
    }
    return Run(commands);
}

bool XInput::Press()
{
    buttonDown_ = true;
    return Run("mousedown 1");
}

bool XInput::Release()
{
    const bool released = Run("mouseup 1");
    buttonDown_ = !released;
    return released;
}

bool XInput::KeyDown(const std::string& key)
{
    keysDown_.push_back(key);
    return Run("keydown " + key);
}

bool XInput::KeyUp(const std::string& key)
{
    const bool up = Run("keyup " + key);
    if (up)
        keysDown_.erase(std::remove(keysDown_.begin(), keysDown_.end(), key), keysDown_.end());
    return up;
}

bool XInput::Tap(const std::string& key)
{
    return Run("key " + key);
}
