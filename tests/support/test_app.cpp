#include "test_app.h"

#include <gtest/gtest.h>

TestApp::TestApp()
{
    ForgetProfile();
    Start();
}

TestApp::TestApp(const char* language)
{
    ForgetProfile();
    EXPECT_TRUE(WriteProfileText("Settei", "Language", language));
    Start();
}

void TestApp::Start()
{
    if (!InitInstance())
        ADD_FAILURE() << "the program did not start";
    Pump();
}

TestApp::~TestApp()
{
    if (MainFrame() && MainFrame()->Handle()) {
        answer = IDNO;  // leave modified documents unsaved
        SendMessageA(MainFrame()->Handle(), WM_CLOSE, 0, 0);
    }
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    ExitInstance();
}

int TestApp::ShowMessage(const std::wstring& text, UINT) const
{
    messages.push_back(text);
    return answer;
}

void TestApp::Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void TestApp::Command(UINT id) const
{
    SendMessageA(MainFrame()->Handle(), WM_COMMAND, id, 0);
    Pump();
}

std::wstring ScratchPath(const std::wstring& name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"qs-app-tests-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(path.c_str(), nullptr);
    return path + L"\\" + name;
}
