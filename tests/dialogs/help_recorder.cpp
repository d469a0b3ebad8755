// help_recorder.dll: stands in for the HTML help control library while a
// test has pointed the library's class id at it. Every call is appended as
// one line "COMMAND FILE" to the file named by QS_HELP_LOG, then handed on
// to the system's hhctrl.ocx, so that the viewer still opens.
#include <windows.h>

#include <string>

namespace {

using Entry = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

Entry SystemEntry()
{
    char path[MAX_PATH] = "";
    GetSystemDirectoryA(path, MAX_PATH);
    HMODULE library = LoadLibraryA((std::string(path) + "\\hhctrl.ocx").c_str());
    return library ? reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW"))) : nullptr;
}

// The file in the code page of the process, as the log holds it.
std::string Narrowed(LPCWSTR file)
{
    if (!file)
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, file, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, file, -1, &narrow[0], size, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

void Record(UINT command, const std::string& file)
{
    char log[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("QS_HELP_LOG", log, MAX_PATH))
        return;
    HANDLE handle = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    const std::string line = std::to_string(command) + " " + file + "\n";
    DWORD written = 0;
    WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(handle);
}

}  // namespace

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpW(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data)
{
    Record(command, Narrowed(file));
    static const Entry entry = SystemEntry();
    return entry ? entry(caller, file, command, data) : nullptr;
}
