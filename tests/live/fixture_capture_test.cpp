// Captures of the fixture's windows from another process, as a user takes
// them: each window whole (mode 'O') and some of its controls alone (mode
// 'K'), compared with golden pictures that were checked by hand. How to
// renew the pictures: golden_picture.h.

#include "fixture_ids.h"
#include "golden_picture.h"
#include "live_capture.h"
#include "live_fixture.h"
#include "picture_checks.h"

#include <ostream>
#include <vector>

namespace {

struct SingleControl {
    int id;
    const char* golden;
};

struct FixtureWindowCase {
    const char* name;  // qsfixture's name for the window, and its picture's
    const char* title;
    std::vector<SingleControl> controls;
};

void PrintTo(const FixtureWindowCase& window, std::ostream* out)
{
    *out << window.name;
}

const FixtureWindowCase kWindows[] = {
    {"edits",
     "Fixture: edits エディット",
     {{IDC_EDIT_FRAMED, "edit-framed"}, {IDC_EDIT_MULTI, "edit-multi-line"}}},
    {"lists",
     "Fixture: lists リスト",
     {{IDC_COMBO_TYPED, "combo-typed"}, {IDC_LIST_SCROLLED, "list-scrolled"}}},
    {"buttons",
     "Fixture: buttons ボタン",
     {{IDC_CHECK_FOCUSED, "check-focused"}, {IDC_GROUP_RADIOS, "group-radios"}}},
    {"statics", "Fixture: statics スタティック", {}},
    // Wine cannot read the menu bar of another process (GetMenuStringA
    // fails), so the "Menu" record is empty: the menu row between the title
    // rule and the menu rule is blank and goes with the other blank rows.
    {"main", "Fixture: main メイン", {}},
    {"help", "Fixture: help ヘルプ", {}},
    {"hang", "Fixture: hang 応答なし", {}},
};

class FixtureGoldenTest : public LiveFixtureTest, public ::testing::WithParamInterface<FixtureWindowCase> {};

TEST_P(FixtureGoldenTest, WholeWindowAndSingleControlsMatchTheirPictures)
{
    const FixtureWindowCase& window = GetParam();
    ASSERT_TRUE(Open(std::wstring(window.name, window.name + std::char_traits<char>::length(window.name))));

    const ConversionResult whole = CaptureLive(window_);
    EXPECT_EQ(whole.title, window.title);
    EXPECT_TRUE(HasClosedOuterFrame(whole.text));
    EXPECT_TRUE(LinesFit(whole.text, whole.outputCols));
    EXPECT_TRUE(MatchesGolden(window.name, whole.text));

    for (const SingleControl& control : window.controls) {
        SCOPED_TRACE(control.golden);
        const ConversionResult single = CaptureLive(Control(control.id));
        EXPECT_TRUE(LinesFit(single.text, single.outputCols));
        EXPECT_TRUE(MatchesGolden(control.golden, single.text));
    }
}

INSTANTIATE_TEST_SUITE_P(Fixture, FixtureGoldenTest, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<FixtureWindowCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
