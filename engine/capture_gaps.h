// What a capture could not read.  The picture is drawn all the same, from
// what the system knows without asking the programs; this says what it lacks.
#pragma once

#include <cstdint>

struct CaptureGaps {
    int32_t silentThreads = 0;    // threads that let a message to one of their windows time out
    int32_t unaskedWindows = 0;   // their windows shown without the answers asked of them
    int32_t vanishedWindows = 0;  // windows destroyed while they were read

    bool IsComplete() const { return silentThreads == 0 && vanishedWindows == 0; }
};
