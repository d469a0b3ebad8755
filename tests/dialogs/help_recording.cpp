#include "help_recording.h"

#include "host_path.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

const wchar_t kHtmlHelpClassKey[] = L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

std::wstring LogPath()
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"qs-help-calls-" + std::to_wstring(GetCurrentProcessId()) + L".log";
}

bool SetRegisteredLibrary(const std::wstring& path)
{
    const auto bytes = static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CLASSES_ROOT, kHtmlHelpClassKey, nullptr, REG_SZ, path.c_str(), bytes) ==
           ERROR_SUCCESS;
}

class HelpRecordingEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(SetRegisteredLibrary(HostPath(QS_HELP_RECORDER)));
        SetEnvironmentVariableW(L"QS_HELP_LOG", LogPath().c_str());
        ForgetRecordedHelpCalls();
    }
    // What Wine registers, also after a run that was killed.
    void TearDown() override
    {
        wchar_t system[MAX_PATH];
        GetSystemDirectoryW(system, MAX_PATH);
        SetRegisteredLibrary(std::wstring(system) + L"\\hhctrl.ocx");
        ForgetRecordedHelpCalls();
    }
};

[[maybe_unused]] ::testing::Environment* const kRecording =
    ::testing::AddGlobalTestEnvironment(new HelpRecordingEnvironment);

BOOL CALLBACK CollectViewer(HWND window, LPARAM found)
{
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    if (lstrcmpW(className, L"HH Parent") == 0)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HelpCall> RecordedHelpCalls()
{
    std::ifstream log(LogPath().c_str(), std::ios::binary);
    std::vector<HelpCall> calls;
    std::string line;
    while (std::getline(log, line)) {
        const size_t space = line.find(' ');
        calls.push_back({static_cast<UINT>(std::stoul(line.substr(0, space))), line.substr(space + 1)});
    }
    return calls;
}

void ForgetRecordedHelpCalls()
{
    DeleteFileW(LogPath().c_str());
}

std::vector<std::string> RecordedFiles(UINT command)
{
    std::vector<std::string> files;
    for (const HelpCall& call : RecordedHelpCalls()) {
        if (call.command == command)
            files.push_back(call.file);
    }
    return files;
}

std::vector<HWND> HelpViewersOfThread(DWORD threadId)
{
    std::vector<HWND> viewers;
    EnumThreadWindows(threadId, CollectViewer, reinterpret_cast<LPARAM>(&viewers));
    return viewers;
}
