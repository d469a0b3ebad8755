#include "help.h"

#include "application.h"
#include "resource.h"

#include <htmlhelp.h>

#include <utility>

namespace {

const char kHtmlHelpClassKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const char kHtmlHelpLibraryName[] = "hhctrl.ocx";

}  // namespace

HtmlHelpLibrary::HtmlHelpLibrary(std::string classKey, std::string fallbackName)
    : classKey_(std::move(classKey)), fallbackName_(std::move(fallbackName))
{
}

std::string HtmlHelpLibrary::RegisteredPath() const
{
    char path[MAX_PATH] = "";
    DWORD size = sizeof path;
    // Also takes a REG_EXPAND_SZ path such as %SystemRoot%\System32\hhctrl.ocx, expanded.
    if (RegGetValueA(HKEY_CLASSES_ROOT, classKey_.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS)
        return {};
    return path;
}

void HtmlHelpLibrary::Load()
{
    tried_ = true;
    const std::string registered = RegisteredPath();
    HMODULE library = registered.empty() ? nullptr : LoadLibraryA(registered.c_str());
    if (!library)
        library = LoadLibraryA(fallbackName_.c_str());
    if (library)
        entry_ = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));
}

HWND HtmlHelpLibrary::Call(HWND caller, const char* file, UINT command, DWORD_PTR data)
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

std::string HelpFilePath()
{
    char program[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string folder(program, length < sizeof program ? length : 0);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + LoadString(IDS_HELP_FILE);
}

std::string OptionsHelpTopic()
{
    return LoadString(IDS_OPTIONS_HELP_TOPIC);
}

HWND ShowHelp(const char* topic)
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
