// Every message the program sends its own windows, in two ranges that
// cannot meet: a parent reflects a message below WM_USER to the child
// control it is about at kReflectedBase + message, and the program's own
// notifications lie below that whole range.
#pragma once

#include <windows.h>

constexpr UINT kReflectedBase = WM_APP + 0x1000;
constexpr UINT kReflectedEnd = kReflectedBase + WM_USER;

constexpr UINT Reflected(UINT message)
{
    return kReflectedBase + message;
}

constexpr UINT kReflectedCommand = Reflected(WM_COMMAND);
constexpr UINT kReflectedNotify = Reflected(WM_NOTIFY);
constexpr UINT kReflectedDrawItem = Reflected(WM_DRAWITEM);
constexpr UINT kReflectedCtlColorBtn = Reflected(WM_CTLCOLORBTN);
constexpr UINT kReflectedCtlColorStatic = Reflected(WM_CTLCOLORSTATIC);

enum OwnMessage : UINT {
    kFirstOwnMessage = WM_APP + 0x100,
    // The preview closes itself later, so that the bar's buttons do not
    // see their owner go while they are still being clicked.
    kClosePreview = kFirstOwnMessage,
    // Menus and captions follow the MDI children once a child's creation
    // or destruction has finished.
    kChildrenChanged,
    // The finder bar dresses its buttons once its creation has been handled.
    kInitFinderBar,
    kEndOfOwnMessages
};

static_assert(kReflectedEnd <= 0xC000, "reflected messages stay below the registered ones");
static_assert(kEndOfOwnMessages <= kReflectedBase || kFirstOwnMessage >= kReflectedEnd,
              "the program's own messages and the reflected ones do not meet");
