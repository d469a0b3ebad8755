#include "live_fixture.h"

#include "host_path.h"

std::wstring FixtureProgram()
{
    return HostPath(QS_QSFIXTURE);
}

HWND LiveFixtureTest::Open(const std::wstring& arguments)
{
    fixture_.reset();
    fixture_ = std::make_unique<FixtureProcess>(FixtureProgram(), arguments);
    EXPECT_TRUE(fixture_->Process().Started()) << "cannot start qsfixture.exe";
    std::string line;
    window_ = fixture_->WaitUntilReady(&line);
    EXPECT_TRUE(IsWindow(window_)) << "no window ready, qsfixture said \"" << line << "\"";
    return IsWindow(window_) ? window_ : nullptr;
}

HWND LiveFixtureTest::Control(int id) const
{
    HWND control = GetDlgItem(window_, id);
    EXPECT_TRUE(control) << "no control " << id;
    return control;
}
