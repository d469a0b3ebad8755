#include "qscap_oracle.h"

#include "program_run.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Runs the program to its end; its stdout, or nothing after a test failure.
bool RunToEnd(const char* program, const std::wstring& arguments, std::string* output)
{
    const ProgramRun run = RunProgram(program, arguments);
    if (run.exitCode != 0) {
        ADD_FAILURE() << program << " failed: " << run.errors;
        return false;
    }
    *output = run.output;
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
    std::string info;
    const bool ran = RunToEnd(QS_QSCAP, L"--hwnd " + Hex(window) + L" --dump \"" + dump + L"\"", &out->text) &&
                     RunToEnd(QS_QSLAYOUT, L"--info \"" + dump + L"\"", &info);
    DeleteFileW(dump.c_str());
    if (!ran)
        return false;
    out->title = InfoValue(info, "title");
    out->outputCols = std::atoi(InfoValue(info, "OutputCols").c_str());
    out->outputRows = std::atoi(InfoValue(info, "OutputRows").c_str());
    return true;
}
