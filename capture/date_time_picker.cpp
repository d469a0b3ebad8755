#include "date_time_picker.h"

#include "records.h"
#include "remote_buffer.h"

#include <commctrl.h>

#include <cstdio>

namespace {

// A picker in its no-date state writes nothing, and the zeros of the fresh
// block are read: the date then reads "0年0月0日0時0分0秒".
SYSTEMTIME ReadSystemTime(OneShotRead& block)
{
    SYSTEMTIME time{};
    LRESULT ignored;
    block.Ask(DTM_GETSYSTEMTIME, 0, &ignored);
    if (!block.Read(&time, sizeof time))
        time = SYSTEMTIME{};
    return time;
}

void FormatDate(const SYSTEMTIME& time)
{
    std::snprintf(ScratchText, sizeof ScratchText, "%d年%d月%d日%d時%d分%d秒", time.wYear, time.wMonth, time.wDay,
                  time.wHour, time.wMinute, time.wSecond);
}

}  // namespace

void CaptureDateTimePicker(HWND hwnd)
{
    CaptureItem& item = CurrentRecord();
    item.kind = 'B';
    item.shape = 'L';
    SetClassName(item, "SysDateTimePick32");
    OneShotRead block;
    if (!block.Open(hwnd, sizeof(SYSTEMTIME)))
        return;
    FormatDate(ReadSystemTime(block));
    item.text = ScratchText;
}
