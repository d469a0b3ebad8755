#include "program_run.h"

#include "child_process.h"
#include "host_path.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

constexpr DWORD kRunTimeoutMs = 60000;

}  // namespace

ProgramRun RunProgram(const char* program, const std::wstring& arguments)
{
    ChildProcess process(HostPath(program), arguments);
    EXPECT_TRUE(process.Started());
    EXPECT_TRUE(process.WaitForExit(kRunTimeoutMs)) << "still running";
    return {process.ExitCode(), process.Output(), process.Errors()};
}

bool Runs32BitPrograms()
{
    char value[2] = {};
    return !(GetEnvironmentVariableA("QS_NO_32BIT", value, sizeof value) == 1 && value[0] == '1');
}

std::wstring Hex(HWND window)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%lX", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
    return text;
}
