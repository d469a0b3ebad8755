#include "print_progress.h"

#include "application.h"
#include "print_texts.h"
#include "text_of_window.h"

#include <cwchar>
#include <iterator>

const wchar_t kPrintProgressClass[] = L"QuillscapePrintProgress";

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 130;

HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
                int height, int id)
{
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

// Centred over the owner, or over the screen without one.
RECT PlacementOver(HWND owner)
{
    RECT area;
    if (!owner || !GetWindowRect(owner, &area))
        GetWindowRect(GetDesktopWindow(), &area);
    const int left = (area.left + area.right - kWidth) / 2;
    const int top = (area.top + area.bottom - kHeight) / 2;
    return RECT{left, top, left + kWidth, top + kHeight};
}

}  // namespace

PrintProgress::PrintProgress(HWND owner, const std::wstring& document)
    : owner_(owner), ownerWasEnabled_(owner && IsWindowEnabled(owner))
{
    RegisterClassFor(kPrintProgressClass, 0, nullptr, LoadCursor(nullptr, IDC_ARROW),
                     reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    wchar_t title[MAX_PATH];
    std::swprintf(title, std::size(title), LoadString(kPrintingText).c_str(), document.c_str());
    const std::wstring caption = owner ? WindowText(owner) : std::wstring();
    if (!Create(kPrintProgressClass, caption.c_str(), WS_POPUP | WS_CAPTION | WS_VISIBLE, WS_EX_DLGMODALFRAME,
                PlacementOver(owner), owner, nullptr))
        return;
    AddControl(Handle(), L"Static", title, SS_CENTER | SS_NOPREFIX | SS_ENDELLIPSIS, 10, 10, kWidth - 26, 18, -1);
    pageText_ = AddControl(Handle(), L"Static", L"", SS_CENTER, 10, 30, kWidth - 26, 18, -1);
    HWND cancel = AddControl(Handle(), L"Button", LoadString(kCancelText).c_str(), BS_DEFPUSHBUTTON | WS_TABSTOP,
                             (kWidth - 96) / 2, 56,
                             90, 26, IDCANCEL);
    SetFocus(cancel);
    if (ownerWasEnabled_)
        EnableWindow(owner_, FALSE);
    UpdateWindow(Handle());
}

PrintProgress::~PrintProgress()
{
    // The owner first, so that the activation goes back to it.
    if (ownerWasEnabled_)
        EnableWindow(owner_, TRUE);
}

void PrintProgress::ShowPage(UINT page)
{
    wchar_t text[64];
    std::swprintf(text, std::size(text), LoadString(kPrintingPageText).c_str(), page);
    SetWindowTextW(pageText_, text);
    UpdateWindow(Handle());
}

bool PrintProgress::Cancelled()
{
    MSG message;
    while (!cancelled_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the program's own loop
            cancelled_ = true;
            break;
        }
        if (Handle() && IsDialogMessageW(Handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return cancelled_;
}

LRESULT PrintProgress::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        cancelled_ = true;
        return 0;
    }
    if (message == WM_CLOSE) {
        cancelled_ = true;
        return 0;
    }
    return Window::WndProc(message, wParam, lParam);
}
