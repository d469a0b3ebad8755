#include "other_windows.h"

#include "records.h"
#include "window_text.h"

void CaptureOtherWindow(HWND hwnd)
{
    CaptureItem& item = CurrentRecord();
    item.text = WindowTitle(hwnd);
    if (!item.text.empty())
        return;
    EnableAndFocus(hwnd);
    item.text = AskWindowText(hwnd);
}
