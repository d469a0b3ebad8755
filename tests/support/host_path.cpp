#include "host_path.h"

#include "wide_text.h"

#include <windows.h>

namespace {

// Exported by Wine's kernel32 alone; the result lives on the process heap.
using DosFileName = WCHAR*(CDECL*)(const char* unixPath);

}  // namespace

std::wstring HostPath(const char* path)
{
    const auto dosFileName = reinterpret_cast<DosFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (path[0] != '/' || !dosFileName)
        return Widen(path);
    WCHAR* dosPath = dosFileName(path);
    if (!dosPath)
        return Widen(path);
    std::wstring result = dosPath;
    HeapFree(GetProcessHeap(), 0, dosPath);
    return result;
}

std::wstring ProgramBesideThisOne(const wchar_t* program)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring self = path;
    return self.substr(0, self.find_last_of(L"\\/") + 1) + program;
}
