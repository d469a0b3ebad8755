// The program's help: the compiled HTML help file beside the program, shown
// by the system's HTML help component.
#pragma once

#include <windows.h>

#include <string>

// The HtmlHelpW entry of the HTML help control library, loaded on first use
// from the location registered under `classKey` (below HKEY_CLASSES_ROOT),
// else by `fallbackName`. Without the library or its entry every call does
// nothing and returns null, and no later call tries to load it again.
class HtmlHelpLibrary {
public:
    HtmlHelpLibrary(std::wstring classKey, std::wstring fallbackName);

    HWND Call(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);

private:
    using Entry = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

    void Load();
    std::wstring RegisteredPath() const;

    std::wstring classKey_;
    std::wstring fallbackName_;
    bool tried_ = false;
    Entry entry_ = nullptr;
};

// The system's library, found through its class id.
HtmlHelpLibrary& SystemHtmlHelp();

// The help file of the interface's language in the program's folder, so
// that help does not depend on the current directory.
std::wstring HelpFilePath();
// The options dialog's topic in that file ("::/name.htm").
std::wstring OptionsHelpTopic();

// Opens the help viewer with its contents, at `topic` ("::/name.htm") when
// one is given; the viewer belongs to no window.
HWND ShowHelp(const wchar_t* topic = L"");

// The HTML help system from its initialisation to its shutdown; closing
// ends every help window first.
class HelpSession {
public:
    HelpSession();
    ~HelpSession();
    HelpSession(const HelpSession&) = delete;
    HelpSession& operator=(const HelpSession&) = delete;

private:
    DWORD_PTR cookie_ = 0;
};
