#include "status_bar.h"

#include "application.h"
#include "guards.h"

#include <commctrl.h>

namespace {

constexpr int kPanePadding = 12;

}  // namespace

bool StatusBar::CreateBar(HWND parent, UINT id, DWORD style, const std::vector<StatusIndicator>& indicators)
{
    HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", style | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr),
                               nullptr);
    if (!bar || !Subclass(bar))
        return false;
    indicators_ = indicators;
    texts_.clear();
    for (const StatusIndicator& indicator : indicators_)
        texts_.push_back(LoadString(indicator.textId));
    shown_.assign(indicators_.size(), false);
    SetPaneWidths();
    UpdateIndicators();
    return true;
}

// The indicators keep the width of their text; the message pane takes the rest.
void StatusBar::SetPaneWidths()
{
    RECT client;
    GetClientRect(Handle(), &client);
    WindowDC dc(Handle());
    SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    std::vector<int> widths(indicators_.size());
    int total = GetSystemMetrics(SM_CXVSCROLL);
    for (size_t i = 0; i < texts_.size(); ++i) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), texts_[i].c_str(), static_cast<int>(texts_[i].size()), &size);
        widths[i] = size.cx + kPanePadding;
        total += widths[i];
    }
    std::vector<int> edges(indicators_.size() + 1);
    int right = client.right - total;
    edges[0] = right;
    for (size_t i = 0; i < widths.size(); ++i) {
        right += widths[i];
        edges[i + 1] = right;
    }
    edges.back() = -1;
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::SetMessageText(const std::wstring& text)
{
    SendMessageW(Handle(), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring StatusBar::MessageText() const
{
    const LRESULT length = LOWORD(SendMessageW(Handle(), SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

void StatusBar::UpdateIndicators()
{
    for (size_t i = 0; i < indicators_.size(); ++i) {
        const bool on = (GetKeyState(indicators_[i].virtualKey) & 1) != 0;
        if (on == shown_[i])
            continue;
        shown_[i] = on;
        SendMessageW(Handle(), SB_SETTEXTW, i + 1, reinterpret_cast<LPARAM>(on ? texts_[i].c_str() : L""));
    }
}

// The bar places itself along its parent's bottom edge on WM_SIZE: the
// indicators follow its right end, and the whole bar is drawn again, since
// the panes moved inside what was already on the screen.
LRESULT StatusBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Default(message, wParam, lParam);
    if (message == WM_SIZE) {
        SetPaneWidths();
        InvalidateRect(Handle(), nullptr, TRUE);
    }
    return result;
}

int StatusBar::Height() const
{
    RECT rect;
    GetWindowRect(Handle(), &rect);
    return rect.bottom - rect.top;
}
