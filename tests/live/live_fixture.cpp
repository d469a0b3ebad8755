#include "live_fixture.h"

#include "host_path.h"

std::wstring FixtureProgram()
{
    return HostPath(QS_QSFIXTURE);
}

std::wstring ControlsProgram()
{
    return HostPath(QS_QSCONTROLS);
}

HWND LiveFixtureTest::Open(const std::wstring& program, const std::wstring& arguments)
{
    fixture_.reset();
    fixture_ = std::make_unique<FixtureProcess>(program, arguments);
    EXPECT_TRUE(fixture_->Process().Started()) << "cannot start the fixture program";
    std::string line;
    window_ = fixture_->WaitUntilReady(&line);
    EXPECT_TRUE(IsWindow(window_)) << "no window ready, the fixture said \"" << line << "\"";
    return IsWindow(window_) ? window_ : nullptr;
}

HWND LiveFixtureTest::Control(int id) const
{
    HWND control = GetDlgItem(window_, id);
    EXPECT_TRUE(control) << "no control " << id;
    return control;
}
