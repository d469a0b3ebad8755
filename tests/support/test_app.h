// The program started inside a test: its message boxes are recorded and
// answered by the test instead of waiting for a user.
#pragma once

#include "program_profile.h"
#include "quillscape_app.h"

#include <windows.h>

#include <string>
#include <vector>

class TestApp : public CQuillscapeApp {
public:
    TestApp();
    // Started with this interface language ("ja", "en", ...) in its profile.
    explicit TestApp(const char* language);
    ~TestApp() override;

    int ShowMessage(const std::wstring& text, UINT type) const override;

    // Handles what is waiting in the queue, posted messages included.
    static void Pump();
    // Sends a command to the main frame as a menu would.
    void Command(UINT id) const;

    mutable std::vector<std::wstring> messages;
    int answer = IDOK;

private:
    void Start();
};

// A file in a fresh folder of the test's own.
std::wstring ScratchPath(const std::wstring& name);
