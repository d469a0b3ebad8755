#include "scale_shifts.h"

const std::vector<ScaleShift>& ScaleShifts()
{
    static const std::vector<ScaleShift> shifts = {
    };
    return shifts;
}
