#include "help.h"

#include "application.h"
#include "resource.h"

#include <htmlhelp.h>

#include <utility>

namespace {

const wchar_t kHtmlHelpClassKey[] = L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const wchar_t kHtmlHelpLibraryName[] = L"hhctrl.ocx";

}  // namespace

HtmlHelpLibrary::HtmlHelpLibrary(std::wstring classKey, std::wstring fallbackName)
    : classKey_(std::move(classKey)), fallbackName_(std::move(fallbackName))
{
}

std::wstring HtmlHelpLibrary::RegisteredPath() const
{
    wchar_t path[MAX_PATH] = L"";
    DWORD size = sizeof path;
    // Also takes a REG_EXPAND_SZ path such as %SystemRoot%\System32\hhctrl.ocx, expanded.
    if (RegGetValueW(HKEY_CLASSES_ROOT, classKey_.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS)
        return {};
    return path;
}

void HtmlHelpLibrary::Load()
{
    tried_ = true;
    const std::wstring registered = RegisteredPath();
    HMODULE library = registered.empty() ? nullptr : LoadLibraryW(registered.c_str());
    if (!library)
        library = LoadLibraryW(fallbackName_.c_str());
    if (library)
        entry_ = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")));
}

HWND HtmlHelpLibrary::Call(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data)
{
    if (!tried_)
        Load();
    return entry_ ? entry_(caller, file, command, data) : nullptr;
}

HtmlHelpLibrary& SystemHtmlHelp()
{
    static HtmlHelpLibrary library(kHtmlHelpClassKey, kHtmlHelpLibraryName);
    return library;
}

std::wstring HelpFilePath()
{
    wchar_t program[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring folder(program, length < MAX_PATH ? length : 0);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + LoadString(IDS_HELP_FILE);
}

std::wstring OptionsHelpTopic()
{
    return LoadString(IDS_OPTIONS_HELP_TOPIC);
}

HWND ShowHelp(const wchar_t* topic)
{
    return SystemHtmlHelp().Call(nullptr, (HelpFilePath() + topic).c_str(), HH_DISPLAY_TOC, 0);
}

HelpSession::HelpSession()
{
    SystemHtmlHelp().Call(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&cookie_));
}

HelpSession::~HelpSession()
{
    SystemHtmlHelp().Call(nullptr, nullptr, HH_CLOSE_ALL, 0);
    SystemHtmlHelp().Call(nullptr, nullptr, HH_UNINITIALIZE, cookie_);
}
