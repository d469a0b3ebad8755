#include "host_path.h"

#include <windows.h>

namespace {

// Exported by Wine's kernel32 alone; the result lives on the process heap.
using DosFileName = WCHAR*(CDECL*)(const char* unixPath);

std::wstring Widen(const char* text)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], size);
    wide.resize(wide.size() - 1);
    return wide;
}

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
