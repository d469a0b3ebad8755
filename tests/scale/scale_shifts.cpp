#include "scale_shifts.h"

const std::vector<ScaleShift>& ScaleShifts()
{
    static const std::vector<ScaleShift> shifts = {
        {144, "scale-buttons", 16,
         u8"┃ │   □A check box whose caption is longer than                           │  │ └──────────────┘                                   │   ┃",
         u8"the 閉じる(X) push button's bottom edge lies within a pixel of a row boundary at 96 DPI; the system sizes the dialog font, and with it every dialog unit, in whole pixels at each scale, so scaled back the edge falls on the row above and the button is one row shorter"},
        {144, "scale-buttons", 17,
         u8"┃ │   its width                                                            │  │                                                                    │   ┃",
         u8"the 閉じる(X) push button's bottom edge lies within a pixel of a row boundary at 96 DPI; the system sizes the dialog font, and with it every dialog unit, in whole pixels at each scale, so scaled back the edge falls on the row above and the button is one row shorter"},
        {192, "scale-buttons", 16,
         u8"┃ │   □A check box whose caption is longer than                           │  │ └──────────────┘                                   │   ┃",
         u8"the 閉じる(X) push button's bottom edge lies within a pixel of a row boundary at 96 DPI; the system sizes the dialog font, and with it every dialog unit, in whole pixels at each scale, so scaled back the edge falls on the row above and the button is one row shorter"},
        {192, "scale-buttons", 17,
         u8"┃ │   its width                                                            │  │                                                                    │   ┃",
         u8"the 閉じる(X) push button's bottom edge lies within a pixel of a row boundary at 96 DPI; the system sizes the dialog font, and with it every dialog unit, in whole pixels at each scale, so scaled back the edge falls on the row above and the button is one row shorter"},
        {192, "scale-statics", 10,
         u8"┃   This static text is longer                                        │                                       ┃",
         u8"the top edge of the icon and bitmap statics lies within a pixel of a row boundary at 96 DPI; with the dialog font rounded to whole pixels at 192 DPI it falls on the row below and both frames start one row lower"},
        {192, "scale-statics", 11,
         u8"┃   than its width                                                    │  ┌─┐         ┌────────┐  ┃",
         u8"the top edge of the icon and bitmap statics lies within a pixel of a row boundary at 96 DPI; with the dialog font rounded to whole pixels at 192 DPI it falls on the row below and both frames start one row lower"},
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
