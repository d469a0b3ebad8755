#include "reflected_messages.h"

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const HWND control = reinterpret_cast<HWND>(lParam);
    if ((message != WM_COMMAND && message != WM_CTLCOLORBTN) || !Window::FromHandle(control))
        return false;
    const UINT reflected = message == WM_COMMAND ? kReflectedCommand : kReflectedCtlColorBtn;
    const LRESULT answer = SendMessageA(control, reflected, wParam, lParam);
    if (!answer)
        return false;
    *result = message == WM_COMMAND ? 0 : answer;
    return true;
}
