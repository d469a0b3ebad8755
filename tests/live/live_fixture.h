// A fixture window for one test: qsfixture's or qscontrols' of the build
// tree.
#pragma once

#include "fixture_window_test.h"

#include <windows.h>

#include <string>

// The paths of qsfixture.exe and qscontrols.exe in the build tree.
std::wstring FixtureProgram();
std::wstring ControlsProgram();

class LiveFixtureTest : public FixtureWindowTest {
protected:
    using FixtureWindowTest::Open;
    // qsfixture.exe with `arguments`: a window name, maybe followed by
    // --hang-after-ready.
    HWND Open(const std::wstring& arguments) { return Open(FixtureProgram(), arguments); }
};
