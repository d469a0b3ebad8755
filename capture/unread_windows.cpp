#include "unread_windows.h"

#include <algorithm>
#include <vector>

namespace {

// A conversion meets a handful of these at most: plain vectors will do.
std::vector<DWORD> silentThreads;
std::vector<HWND> unansweredWindows;
std::vector<HWND> vanishedWindows;
std::vector<HWND> lyingWindows;
std::vector<DWORD> unopenedProcesses;
bool tableFull;

template <class T>
bool Contains(const std::vector<T>& values, T value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

template <class T>
void AddOnce(std::vector<T>& values, T value)
{
    if (!Contains(values, value))
        values.push_back(value);
}

template <class T>
int32_t Count(const std::vector<T>& values)
{
    return static_cast<int32_t>(values.size());
}

}  // namespace

void ForgetUnreadWindows()
{
    silentThreads.clear();
    unansweredWindows.clear();
    vanishedWindows.clear();
    lyingWindows.clear();
    unopenedProcesses.clear();
    tableFull = false;
}

bool IsSilentThread(DWORD thread)
{
    return Contains(silentThreads, thread);
}

void NoteUnansweredWindow(HWND window, DWORD thread)
{
    AddOnce(silentThreads, thread);
    AddOnce(unansweredWindows, window);
}

void NoteVanishedWindow(HWND window)
{
    AddOnce(vanishedWindows, window);
}

void NoteAnswerOutOfBounds(HWND window)
{
    AddOnce(lyingWindows, window);
}

void NoteProcessNotOpened(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    AddOnce(unopenedProcesses, process);
}

void NoteTableFull()
{
    tableFull = true;
}

CaptureGaps CountUnreadWindows()
{
    CaptureGaps gaps;
    gaps.silentThreads = Count(silentThreads);
    gaps.unaskedWindows = Count(unansweredWindows);
    gaps.vanishedWindows = Count(vanishedWindows);
    gaps.lyingWindows = Count(lyingWindows);
    gaps.unopenedProcesses = Count(unopenedProcesses);
    gaps.tableFull = tableFull;
    return gaps;
}
