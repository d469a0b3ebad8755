// What a capture could not read.  The picture is drawn all the same, from
// what the system knows without asking the programs; this says what it lacks.
#pragma once

#include <cstdint>

// Why a capture stopped reading before its end.
enum class CaptureStop : uint8_t {
    None,
    TimeUp,     // it reached its last-resort time bound
    Cancelled,  // the user pressed Esc
};

struct CaptureGaps {
    int32_t silentThreads = 0;      // threads that let a message to one of their windows time out
    int32_t unaskedWindows = 0;     // their windows shown without the answers asked of them
    int32_t vanishedWindows = 0;    // windows destroyed while they were read
    int32_t lyingWindows = 0;       // windows whose answers were out of bounds (cut or left out)
    int32_t unopenedProcesses = 0;  // processes that could not be opened to read their controls
    bool tableFull = false;         // the item table filled up; later windows are missing
    CaptureStop stop = CaptureStop::None;

    bool IsComplete() const
    {
        return silentThreads == 0 && vanishedWindows == 0 && lyingWindows == 0 && unopenedProcesses == 0 &&
               !tableFull && stop == CaptureStop::None;
    }
};
