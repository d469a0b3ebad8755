#include "file_bytes.h"

#include "guards.h"

#include <windows.h>

#include <algorithm>

namespace {

OwnedKernelHandle OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition)
{
    HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return OwnedKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

bool WriteAll(HANDLE file, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(file) != 0;
}

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

}  // namespace

ReadResult ReadFileBytes(const std::wstring& path, size_t limit, std::string* bytes)
{
    OwnedKernelHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size))
        return ReadResult::Failed;
    if (static_cast<unsigned long long>(size.QuadPart) > limit)
        return ReadResult::TooLarge;
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!content.empty() && (!ReadFile(file.Get(), &content[0], static_cast<DWORD>(content.size()), &read, nullptr) ||
                             read != content.size()))
        return ReadResult::Failed;
    *bytes = std::move(content);
    return ReadResult::Ok;
}

bool WriteFileReplacing(const std::wstring& path, const std::string& bytes)
{
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"qs", 0, temporary))
        return false;
    bool written;
    {
        OwnedKernelHandle file = OpenFile(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS);
        written = file && WriteAll(file.Get(), bytes);
    }
    if (written && MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}
