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

int TestApp::ShowMessage(const std::string& text, UINT) const
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

std::string ScratchPath(const std::string& name)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + "qs-app-tests-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path.c_str(), nullptr);
    return path + "\\" + name;
}
