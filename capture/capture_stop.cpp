#include "capture_stop.h"

namespace {

bool running;
DWORD startTick;
CaptureStop stop = CaptureStop::None;

}  // namespace

CaptureClock::CaptureClock()
{
    running = true;
    startTick = GetTickCount();
    stop = CaptureStop::None;
}

CaptureClock::~CaptureClock()
{
    running = false;
}

void CancelCapture()
{
    if (running && stop == CaptureStop::None)
        stop = CaptureStop::Cancelled;
}

bool CaptureMustStop()
{
    if (running && stop == CaptureStop::None && GetTickCount() - startTick > kCaptureTimeLimitMs)
        stop = CaptureStop::TimeUp;
    return running && stop != CaptureStop::None;
}

CaptureStop CaptureStopReason()
{
    return stop;
}
