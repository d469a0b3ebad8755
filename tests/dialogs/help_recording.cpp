#include "help_recording.h"

#include "host_path.h"

#include <gtest/gtest.h>

#include <commctrl.h>

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

// What Wine registers; also what a run that was killed must get back.
std::wstring SystemLibrary()
{
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\hhctrl.ocx";
}

class HelpRecordingEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(SetRegisteredLibrary(HostPath(QS_HELP_RECORDER)));
        SetEnvironmentVariableW(L"QS_HELP_LOG", LogPath().c_str());
        ForgetRecordedHelpCalls();
    }
    void TearDown() override
    {
        SetRegisteredLibrary(SystemLibrary());
        DeleteFileW(LogPath().c_str());
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

BOOL CALLBACK FindTree(HWND window, LPARAM found)
{
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    if (lstrcmpW(className, WC_TREEVIEWW) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
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

std::wstring CaptionOf(HWND window)
{
    wchar_t caption[256] = L"";
    GetWindowTextW(window, caption, 256);
    return caption;
}

std::vector<std::wstring> ContentsOf(HWND viewer)
{
    HWND tree = nullptr;
    EnumChildWindows(viewer, FindTree, reinterpret_cast<LPARAM>(&tree));
    std::vector<std::wstring> items;
    if (!tree)
        return items;
    for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)); item;
         item = reinterpret_cast<HTREEITEM>(
             SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        wchar_t text[256] = L"";
        TVITEMW data{};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 256;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        items.push_back(text);
    }
    return items;
}
