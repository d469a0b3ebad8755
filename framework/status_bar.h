// The status bar: a message pane that stretches, then fixed panes for the
// key-state indicators, each showing its text while its key is on.
#pragma once

#include "window.h"

#include <string>
#include <vector>

struct StatusIndicator {
    UINT textId;  // string resource with the pane's text
    int virtualKey;
};

class StatusBar : public Window {
public:
    bool CreateBar(HWND parent, UINT id, DWORD style, const std::vector<StatusIndicator>& indicators);

    void SetMessageText(const std::string& text);
    std::string MessageText() const;
    // Shows each indicator's text while its key is toggled on.
    void UpdateIndicators();
    int Height() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetPaneWidths();

    std::vector<StatusIndicator> indicators_;
    std::vector<std::string> texts_;
    std::vector<bool> shown_;
};
