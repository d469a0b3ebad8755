#include "printer_settings.h"

namespace {

// A field of DEVNAMES: an offset, in characters, from the block's start.
std::string DevNamesField(HGLOBAL devNames, WORD DEVNAMES::*field)
{
    GlobalLockGuard<DEVNAMES> names(devNames);
    if (!names)
        return {};
    return reinterpret_cast<const char*>(names.Get()) + names.Get()->*field;
}

}  // namespace

bool PrinterSettings::EnsureDefaults()
{
    if (devNames_)
        return true;
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&dialog))
        return false;
    devMode_.Reset(dialog.hDevMode);
    devNames_.Reset(dialog.hDevNames);
    return true;
}

bool PrinterSettings::GetDefaults(PRINTDLGA* dialog)
{
    if (!EnsureDefaults())
        return false;
    dialog->hDevMode = devMode_.Get();
    dialog->hDevNames = devNames_.Get();
    return true;
}

// The dialog may have reallocated the blocks we lent it: a handle that came
// back different replaces ours, which is gone already.
void PrinterSettings::Keep(HGLOBAL devMode, HGLOBAL devNames)
{
    if (devMode && devMode != devMode_.Get()) {
        devMode_.Release();
        devMode_.Reset(devMode);
    }
    if (devNames && devNames != devNames_.Get()) {
        devNames_.Release();
        devNames_.Reset(devNames);
    }
}

bool PrinterSettings::RunDialog(PRINTDLGA* dialog)
{
    EnsureDefaults();
    dialog->hDevMode = devMode_.Get();
    dialog->hDevNames = devNames_.Get();
    const bool chosen = PrintDlgA(dialog) != 0;
    Keep(dialog->hDevMode, dialog->hDevNames);
    return chosen;
}

HDC PrinterSettings::CreatePrinterDC() const
{
    if (!devNames_)
        return nullptr;
    const std::string driver = DevNamesField(devNames_.Get(), &DEVNAMES::wDriverOffset);
    const std::string device = DevNamesField(devNames_.Get(), &DEVNAMES::wDeviceOffset);
    const std::string port = DevNamesField(devNames_.Get(), &DEVNAMES::wOutputOffset);
    GlobalLockGuard<DEVMODEA> mode(devMode_.Get());
    return CreateDCA(driver.c_str(), device.c_str(), port.c_str(), mode.Get());
}

std::string PrinterSettings::DeviceName() const
{
    return devNames_ ? DevNamesField(devNames_.Get(), &DEVNAMES::wDeviceOffset) : std::string();
}

short ScaleOf(HGLOBAL devMode)
{
    GlobalLockGuard<DEVMODEA> mode(devMode);
    return mode ? mode.Get()->dmScale : 0;
}
