// Captures of the fixture programs' windows from another process, as a user
// takes them: each window whole (mode 'O') and some of its controls alone
// (mode 'K'), compared with golden pictures that were checked by hand. How
// to renew the pictures: golden_picture.h.

#include "golden_picture.h"
#include "golden_windows.h"
#include "live_capture.h"
#include "live_fixture.h"
#include "picture_checks.h"

namespace {

class FixtureGoldenTest : public LiveFixtureTest, public ::testing::WithParamInterface<GoldenWindow> {};

TEST_P(FixtureGoldenTest, WholeWindowAndSingleControlsMatchTheirPictures)
{
    const GoldenWindow& window = GetParam();
    ASSERT_TRUE(Open(window.program == FixtureProgramKind::Controls ? ControlsProgram() : FixtureProgram(),
                     window.Arguments()));

    const ConversionResult whole = CaptureLive(window_);
    EXPECT_EQ(whole.title, window.title);
    EXPECT_TRUE(HasClosedOuterFrame(whole.text));
    EXPECT_TRUE(HasOnlyWholeCharacters(whole.text));
    EXPECT_TRUE(LinesFit(whole.text, whole.outputCols));
    EXPECT_TRUE(MatchesGolden(window.golden, whole.text));

    for (const SingleControl& control : window.controls) {
        SCOPED_TRACE(control.golden);
        const ConversionResult single = CaptureLive(Control(control.id));
        EXPECT_TRUE(LinesFit(single.text, single.outputCols));
        EXPECT_TRUE(MatchesGolden(control.golden, single.text));
    }
}

std::string CaseName(const ::testing::TestParamInfo<GoldenWindow>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Fixture, FixtureGoldenTest, ::testing::ValuesIn(kFixtureWindows), CaseName);
INSTANTIATE_TEST_SUITE_P(Controls, FixtureGoldenTest, ::testing::ValuesIn(kControlsWindows), CaseName);

}  // namespace
