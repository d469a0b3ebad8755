// The application object: starts the program and owns the main frame.
#pragma once

#include "application.h"
#include "main_frame.h"

#include <memory>

constexpr UINT kCommandAbout = 0xE140;  // 57664

class CQuillscapeApp : public Application {
public:
    bool InitInstance() override;
    int ExitInstance() override;

    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

private:
    std::unique_ptr<CMainFrame> mainFrame_;
    bool oleStarted_ = false;
};
