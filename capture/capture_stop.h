// Where a conversion stops reading before its end: at a last-resort time
// bound that no honest capture reaches, or when the user cancels it.  Once
// stopped, no program is asked anything more (SendToWindow answers as for a
// silent window) and the walk ends; the picture keeps what was read.
#pragma once

#include "capture_gaps.h"

#include <windows.h>

// The capture benchmark's 1000-row list view takes about 2 s under Wine.
constexpr DWORD kCaptureTimeLimitMs = 30000;

// Runs the clock of a conversion while it lives; outside a conversion
// nothing stops.
class CaptureClock {
public:
    CaptureClock();
    ~CaptureClock();
    CaptureClock(const CaptureClock&) = delete;
    CaptureClock& operator=(const CaptureClock&) = delete;
};

// The user asked to stop (Esc while the walker pumps messages).
void CancelCapture();

// True once the conversion must stop: cancelled, or past its time bound.
bool CaptureMustStop();

// Why the conversion stopped, or None; kept after the clock has gone.
CaptureStop CaptureStopReason();
