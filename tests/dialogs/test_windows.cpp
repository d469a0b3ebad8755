#include "test_windows.h"

#include "wait_until.h"

void RegisterPlainClass(const char* className)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
}

bool PumpUntilDispatched(const std::function<bool(const MSG&)>& dispatched, DWORD timeoutMs)
{
    return WaitUntil(
        [&] {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
                if (dispatched(message))
                    return true;
            }
            return false;
        },
        timeoutMs);
}
