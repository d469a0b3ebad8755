#include "accessible_capture.h"

#include "accessible_reader.h"
#include "accessible_records.h"
#include "messages.h"
#include "records.h"
#include "unread_windows.h"

#include <oleacc.h>

void CaptureAccessible(HWND window, bool standardProxy)
{
    LRESULT objectReference = 0;
    if (!SendToWindow(window, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT), &objectReference))
        return;
    if (!objectReference && !standardProxy)
        return;
    const AccessibleTree tree = ReadAccessibleTree(window, objectReference, standardProxy);
    if (tree.unanswered)
        NoteUnansweredWindow(window, GetWindowThreadProcessId(window, nullptr));
    if (tree.outOfBounds)
        NoteAnswerOutOfBounds(window);
    if (tree.full)
        NoteTableFull();
    ReadingSource = RecordSource::Accessible;
    RecordAccessibleObjects(window, tree.objects);
    ReadingSource = RecordSource::Window;
}
