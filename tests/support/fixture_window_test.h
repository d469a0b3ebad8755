// A window of a fixture program for one test, in a process of its own as
// the windows of any program a user captures; closed when the test ends,
// however it ends.
#pragma once

#include "fixture_process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

class FixtureWindowTest : public ::testing::Test {
protected:
    // Starts `program` with `arguments` (a window name, maybe followed by
    // options) in place of the fixture open so far; the window once it is
    // ready, or null after a failure.
    HWND Open(const std::wstring& program, const std::wstring& arguments);

    // The open window's control with this id (GetDlgItem asks the system,
    // not the fixture).
    HWND Control(int id) const;
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(Control(id), message, wParam, lParam);
    }
    LONG Style(int id) const { return GetWindowLongA(Control(id), GWL_STYLE); }
    LONG ExStyle(int id) const { return GetWindowLongA(Control(id), GWL_EXSTYLE); }

    std::unique_ptr<FixtureProcess> fixture_;
    HWND window_ = nullptr;
};
