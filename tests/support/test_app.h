// The program started inside a test: its message boxes are recorded and
// answered by the test instead of waiting for a user.
#pragma once

#include "program_profile.h"
#include "quillscape_app.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TestApp : public CQuillscapeApp {
public:
    TestApp();
    // `prepareProfile` writes what the program is to find in its profile,
    // which is empty before.
    explicit TestApp(const std::function<void()>& prepareProfile);
    ~TestApp() override;

    int ShowMessage(const std::wstring& text, UINT type) const override;

    // Handles what is waiting in the queue, posted messages included.
    static void Pump();
    // Sends a command to the main frame as a menu would.
    void Command(UINT id) const;

    mutable std::vector<std::wstring> messages;
    int answer = IDOK;
};

// A file in a fresh folder of the test's own.
std::wstring ScratchPath(const std::wstring& name);
