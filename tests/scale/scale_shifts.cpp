#include "scale_shifts.h"

namespace {

// The system rounds dialog units to whole pixels of the scaled dialog font;
// the positions below are scaled back to 96-DPI pixels below the window's
// top, where a row is 7 pixels.
const char kButtons144[] =
    u8"OK and Cancel end at 301 pixels (43 x 7) instead of 296, and the check boxes from Auto mixed down lie one "
    u8"row lower: with blank rows removed, the bottom line of the 閉じる(X) button comes one line higher";
const char kButtons192[] =
    u8"the 閉じる(X) button starts at 313 pixels instead of 315 (45 x 7), so it takes rows 44 to 51 instead of "
    u8"45 to 52 and its bottom line comes one line higher";
const char kStatics192[] =
    u8"the long static text starts at 174 pixels instead of 176 (past the row boundary at 175 = 25 x 7) and so "
    u8"one row higher, while the icon and bitmap statics beside it keep their row: the tops of their frames "
    u8"come one line lower beside the text";

}  // namespace

const std::vector<ScaleShift>& ScaleShifts()
{
    static const std::vector<ScaleShift> shifts = {
        {144, "scale-buttons", 16,
         u8"┃ │   □A check box whose caption is longer than                           │  │ └──────────────┘                                   │   ┃",
         kButtons144},
        {144, "scale-buttons", 17,
         u8"┃ │   its width                                                            │  │                                                                    │   ┃",
         kButtons144},
        {192, "scale-buttons", 16,
         u8"┃ │   □A check box whose caption is longer than                           │  │ └──────────────┘                                   │   ┃",
         kButtons192},
        {192, "scale-buttons", 17,
         u8"┃ │   its width                                                            │  │                                                                    │   ┃",
         kButtons192},
        {192, "scale-statics", 10,
         u8"┃   This static text is longer                                        │                                       ┃",
         kStatics192},
        {192, "scale-statics", 11,
         u8"┃   than its width                                                    │  ┌─┐         ┌────────┐  ┃",
         kStatics192},
    };
    return shifts;
}

const std::vector<RedrawnScale>& RedrawnScales()
{
    static const std::vector<RedrawnScale> scales = {
        {120, "the dialog font's average character width is a whole number of pixels, which grows by a third "
              "from 96 to 120 DPI (the dialogs grow from 786 to 1046 pixels across), not by a quarter: the "
              "dialogs are about 7 % wider than 120/96 of their width at 96 DPI and every line of their "
              "pictures differs"},
    };
    return scales;
}
