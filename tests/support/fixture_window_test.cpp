#include "fixture_window_test.h"

HWND FixtureWindowTest::Open(const std::wstring& program, const std::wstring& arguments)
{
    fixture_.reset();
    fixture_ = std::make_unique<FixtureProcess>(program, arguments);
    window_ = fixture_->ReadyWindow();
    return window_;
}

HWND FixtureWindowTest::Control(int id) const
{
    HWND control = GetDlgItem(window_, id);
    EXPECT_TRUE(control) << "no control " << id;
    return control;
}
