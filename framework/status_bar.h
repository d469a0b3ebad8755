// The status bar: a message pane that stretches, then fixed panes for the
// key-state indicators, each showing its text while its key is on.
#pragma once

#include "window.h"

#include <string>
#include <vector>

// The string ids of the usual indicators' texts.
constexpr UINT kIndicatorCaps = 0xE701;    // 59137
constexpr UINT kIndicatorNum = 0xE702;     // 59138
constexpr UINT kIndicatorScroll = 0xE703;  // 59139
constexpr UINT kIndicatorKana = 0xE706;    // 59142

struct StatusIndicator {
    UINT textId;  // string resource with the pane's text
    int virtualKey;
};

class StatusBar : public Window {
public:
    bool CreateBar(HWND parent, UINT id, DWORD style, const std::vector<StatusIndicator>& indicators);

    void SetMessageText(const std::wstring& text);
    std::wstring MessageText() const;
    // Shows each indicator's text while its key is toggled on.
    void UpdateIndicators();
    int Height() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetPaneWidths();

    std::vector<StatusIndicator> indicators_;
    std::vector<std::wstring> texts_;
    std::vector<bool> shown_;
};
