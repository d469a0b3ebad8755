// The application object: starts the program and owns the main frame.
#pragma once

#include "application.h"
#include "main_frame.h"

#include <memory>

class CQuillscapeApp : public Application {
public:
    bool InitInstance() override;
    int ExitInstance() override;

    bool QueryCommand(UINT id, CommandState* state) override;

private:
    std::unique_ptr<CMainFrame> mainFrame_;
    bool oleStarted_ = false;
};
