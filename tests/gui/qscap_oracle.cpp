#include "qscap_oracle.h"

#include "child_process.h"
#include "host_path.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr DWORD kRunTimeoutMs = 60000;

// Runs the program to its end; its stdout, or nothing after a test failure.
bool RunToEnd(const char* program, const std::wstring& arguments, std::string* output)
{
    ChildProcess process(HostPath(program), arguments);
    if (!process.WaitForExit(kRunTimeoutMs) || process.ExitCode() != 0) {
        ADD_FAILURE() << program << " failed: " << process.Errors();
        return false;
    }
    *output = process.Output();
    return true;
}

std::wstring TemporaryFileName()
{
    wchar_t folder[MAX_PATH];
    wchar_t name[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"qsg", 0, name);
    return name;
}

// The value of "key: value" in qslayout's --info lines.
std::string InfoValue(const std::string& info, const std::string& key)
{
    const std::string head = key + ": ";
    const size_t at = info.find(head);
    if (at == std::string::npos)
        return {};
    const size_t start = at + head.size();
    return info.substr(start, info.find('\n', start) - start);
}

}  // namespace

bool ConvertWithQscap(HWND window, QscapConversion* out)
{
    const std::wstring dump = TemporaryFileName();
    wchar_t handle[32];
    std::swprintf(handle, 32, L"0x%lX", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
    std::string info;
    const bool ran = RunToEnd(QS_QSCAP, L"--hwnd " + std::wstring(handle) + L" --dump \"" + dump + L"\"", &out->text) &&
                     RunToEnd(QS_QSLAYOUT, L"--info \"" + dump + L"\"", &info);
    DeleteFileW(dump.c_str());
    if (!ran)
        return false;
    out->title = InfoValue(info, "title");
    out->outputCols = std::atoi(InfoValue(info, "OutputCols").c_str());
    out->outputRows = std::atoi(InfoValue(info, "OutputRows").c_str());
    return true;
}
