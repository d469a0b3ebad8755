// A fixture window for one test, in a process of its own, closed by its
// guard when the test ends, however it ends.
#pragma once

#include "fixture_process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

class LiveFixtureTest : public ::testing::Test {
protected:
    // Starts qsfixture.exe with `arguments` (a window name, maybe followed by
    // --hang-after-ready) in place of the fixture open so far; the window
    // once it is ready, or null after a failure.
    HWND Open(const std::wstring& arguments);

    // The open window's control with this id (GetDlgItem asks the system,
    // not the fixture).
    HWND Control(int id) const;

    std::unique_ptr<FixtureProcess> fixture_;
    HWND window_ = nullptr;
};

// The path of qsfixture.exe in the build tree.
std::wstring FixtureProgram();
