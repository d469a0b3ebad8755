#include "walker.h"

#include "answer_bounds.h"
#include "capture_stop.h"
#include "dispatch.h"
#include "display_scale.h"
#include "records.h"
#include "unread_windows.h"

#include <cstring>

namespace {

// The dialog's rectangle as recorded: its caption-less frame sits higher.
constexpr int32_t kDialogLift = 14;

// Levels of nested windows that are walked: deeper ones could not be told
// apart in the grid anyway.
constexpr int kWalkDepthLimit = 100;

// The windows of this walk.  A program that reorders its windows while they
// are read could lead the walk back to a window already visited.
ItemChain walkedWindows;

bool IsClass(const char* className, const char* name)
{
    return std::strcmp(className, name) == 0;
}

// Dialogs and tab pages are walked only while shown.
bool IsPage(const char* className)
{
    return IsClass(className, "#32770") || IsClass(className, "TTabSheet");
}

bool IsComboBoxLike(const char* className)
{
    return IsClass(className, "ComboBox") || IsClass(className, "TComboBox") ||
           IsClass(className, "ThunderRT5DriveListBox");
}

// Walks the children of `window`, if it has any; a hidden page is marked
// `skip` instead, children and all.  False when the table is full.
bool WalkChildrenOf(HWND window, int depth, char& skip)
{
    if (!GetTopWindow(window) || depth + 1 >= kWalkDepthLimit)
        return true;
    GetClassNameA(window, ScratchText, kScratchTextSize);
    if (!IsPage(ScratchText)) {
        if (IsComboBoxLike(ScratchText))
            InsideComboBox = 'Y';
        WalkChildren(window, depth + 1);
        InsideComboBox = 'N';
    } else if (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) {
        WalkChildren(window, depth + 1);
    } else {
        skip = 'Y';
    }
    return ItemCount < kItemLimit;
}

// True when the window stands partly above or left of the screen.
bool PrepareWindowRecord(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    char className[kClassNameSize];
    GetClassNameA(window, className, kClassNameSize);
    return PrepareRecord(rect, className);
}

// False, once noted, when the window has been destroyed: what it and its
// later siblings hold is missing from the picture.
bool StillThere(HWND window)
{
    if (IsWindow(window))
        return true;
    NoteVanishedWindow(window);
    return false;
}

// Records one window after its children; false when the walk of this level
// must end.
bool Visit(HWND window, int depth)
{
    char skip = 'N';
    if (!WalkChildrenOf(window, depth, skip))
        return false;
    if (!StillThere(window))
        return false;
    if (!IsWindowVisible(window))
        skip = 'Y';
    const int prepared = ItemCount;
    if (PrepareWindowRecord(window))
        skip = 'Y';
    CaptureItem& item = CurrentRecord();
    if (HasClassName(item, "#32770")) {
        item.rect.top -= kDialogLift;
        item.rect.bottom -= kDialogLift;
    }
    Dispatch(window);
    return KeepOrDrop(prepared, skip == 'Y') && StillThere(window);
}

}  // namespace

void WalkChildren(HWND parent, int depth)
{
    if (depth == 0)
        walkedWindows = ItemChain();
    HWND cur = CaptureMode == 'K' && depth == 0 ? parent : GetTopWindow(parent);
    PumpMessages();
    while (cur && ItemCount < kItemLimit && !CaptureMustStop()) {
        if (!walkedWindows.Enter(reinterpret_cast<uintptr_t>(cur)) || !Visit(cur, depth))
            return;
        cur = GetWindow(cur, GW_HWNDNEXT);
        if (CaptureMode == 'K')
            return;
    }
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
            return;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            CancelCapture();
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
