// The printer the application prints on, with its settings: the device mode
// and device names that the print dialogs exchange. It is the system's
// default printer until the user chooses another in the print-setup or the
// print dialog; the choice then stays for the rest of the run.
#pragma once

#include "guards.h"

#include <windows.h>

#include <commdlg.h>

#include <string>

class PrinterSettings {
public:
    // Takes the system's default printer when none is kept yet; false when
    // there is no printer at all.
    bool EnsureDefaults();

    // Puts the kept printer into a print dialog's data (the handles stay
    // ours); false when there is no printer.
    bool GetDefaults(PRINTDLGA* dialog);
    // Shows the print or print-setup dialog `dialog` describes on the kept
    // printer; what the user chose is kept, also the printer. False when the
    // user cancelled or the dialog failed.
    bool RunDialog(PRINTDLGA* dialog);

    // A device context for the kept printer with its settings, or null.
    HDC CreatePrinterDC() const;
    std::string DeviceName() const;
    HGLOBAL DevMode() const { return devMode_.Get(); }

private:
    void Keep(HGLOBAL devMode, HGLOBAL devNames);

    OwnedGlobal devMode_;
    OwnedGlobal devNames_;
};

// The scale field (dmScale, percent) of a device mode; 0 without one.
short ScaleOf(HGLOBAL devMode);
