// A fixture window for one test, in a process of its own, closed by its
// guard when the test ends, however it ends.
#pragma once

#include "fixture_process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

// The paths of qsfixture.exe and qscontrols.exe in the build tree.
std::wstring FixtureProgram();
std::wstring ControlsProgram();

class LiveFixtureTest : public ::testing::Test {
protected:
    // Starts `program` (one of the two above) with `arguments` (a window
    // name; for qsfixture maybe followed by --hang-after-ready) in place of
    // the fixture open so far; the window once it is ready, or null after a
    // failure.
    HWND Open(const std::wstring& program, const std::wstring& arguments);

    // The same with qsfixture.exe.
    HWND Open(const std::wstring& arguments) { return Open(FixtureProgram(), arguments); }

    // The open window's control with this id (GetDlgItem asks the system,
    // not the fixture).
    HWND Control(int id) const;

    std::unique_ptr<FixtureProcess> fixture_;
    HWND window_ = nullptr;
};
