// Captures of the fixture programs' windows from another process, as a user
// takes them: each window whole (mode 'O') and some of its controls alone
// (mode 'K'), compared with golden pictures that were checked by hand. How
// to renew the pictures: golden_picture.h.

#include "fixture_ids.h"
#include "golden_picture.h"
#include "live_capture.h"
#include "live_fixture.h"
#include "picture_checks.h"
#include "qscontrols_ids.h"

#include <ostream>
#include <vector>

namespace {

struct SingleControl {
    int id;
    const char* golden;
};

struct FixtureWindowCase {
    std::wstring (*program)();
    const char* name;     // the program's name for the window
    const char* golden;  // the whole window's picture
    const char* title;
    std::vector<SingleControl> controls;
};

void PrintTo(const FixtureWindowCase& window, std::ostream* out)
{
    *out << window.golden;
}

// qsfixture's windows: texts, buttons and dialogs; their pictures are named
// after the windows.
const FixtureWindowCase kFixtureWindows[] = {
    {FixtureProgram,
     "edits",
     "edits",
     "Fixture: edits エディット",
     {{IDC_EDIT_FRAMED, "edit-framed"}, {IDC_EDIT_MULTI, "edit-multi-line"}}},
    {FixtureProgram,
     "lists",
     "lists",
     "Fixture: lists リスト",
     {{IDC_COMBO_TYPED, "combo-typed"}, {IDC_LIST_SCROLLED, "list-scrolled"}}},
    {FixtureProgram,
     "buttons",
     "buttons",
     "Fixture: buttons ボタン",
     {{IDC_CHECK_FOCUSED, "check-focused"}, {IDC_GROUP_RADIOS, "group-radios"}}},
    {FixtureProgram, "statics", "statics", "Fixture: statics スタティック", {}},
    // Wine cannot read the menu bar of another process (GetMenuStringA
    // fails), so the "Menu" record is empty: the menu row between the title
    // rule and the menu rule is blank and goes with the other blank rows.
    {FixtureProgram, "main", "main", "Fixture: main メイン", {}},
    {FixtureProgram, "help", "help", "Fixture: help ヘルプ", {}},
    {FixtureProgram, "hang", "hang", "Fixture: hang 応答なし", {}},
};

// qscontrols' windows: common controls whose content lives in the fixture's
// process; their pictures are named "controls-" and the window.
const FixtureWindowCase kControlsWindows[] = {
    {ControlsProgram,
     "trees",
     "controls-trees",
     "Controls: trees ツリー",
     {{IDC_TREE_CHECKS, "controls-tree-checks"}}},
    {ControlsProgram,
     "lists",
     "controls-lists",
     "Controls: lists リストビュー",
     {{IDC_LIST_REPORT, "controls-list-report"},
      {IDC_LIST_NOHEADER, "controls-list-no-header"},
      {IDC_LIST_NOCOLUMNS, "controls-list-no-columns"}}},
    // A tab control alone is the conversion's first record, which goes to
    // row 1, while its strip record keeps its own screen row: the strip is
    // no longer under the captions, so the selected tab is not opened, the
    // tilde stays and a tee lands on the right edge. The picker without a
    // date has a check box as its child, recorded first: it stands above
    // the picker's frame.
    {ControlsProgram,
     "tabs",
     "controls-tabs",
     "Controls: tabs タブと日付",
     {{IDC_TAB_SELECTED, "controls-tab-selected"},
      {IDC_STATUS, "controls-status"},
      {IDC_DATE_NONE, "controls-date-none"}}},
    {ControlsProgram,
     "gauges",
     "controls-gauges",
     "Controls: gauges ゲージ",
     {{IDC_PROGRESS_VERT_75, "controls-progress-vertical"},
      {IDC_TRACK_TICKS, "controls-track-ticks"},
      {IDC_SCROLL_OFFSET, "controls-scroll-offset"}}},
    // "TPageControl" alone: as the tab control above.
    {ControlsProgram,
     "foreign",
     "controls-foreign",
     "Controls: foreign 他のライブラリ",
     {{IDC_FOREIGN_TREE, "controls-foreign-tree"},
      {IDC_FOREIGN_PAGES, "controls-foreign-pages"},
      {IDC_FOREIGN_TRACK, "controls-foreign-track"}}},
    {ControlsProgram, "mdi", "controls-mdi", "Controls: mdi MDI フレーム", {}},
};

class FixtureGoldenTest : public LiveFixtureTest, public ::testing::WithParamInterface<FixtureWindowCase> {};

TEST_P(FixtureGoldenTest, WholeWindowAndSingleControlsMatchTheirPictures)
{
    const FixtureWindowCase& window = GetParam();
    ASSERT_TRUE(Open(window.program(),
                     std::wstring(window.name, window.name + std::char_traits<char>::length(window.name))));

    const ConversionResult whole = CaptureLive(window_);
    EXPECT_EQ(whole.title, window.title);
    EXPECT_TRUE(HasClosedOuterFrame(whole.text));
    EXPECT_TRUE(LinesFit(whole.text, whole.outputCols));
    EXPECT_TRUE(MatchesGolden(window.golden, whole.text));

    for (const SingleControl& control : window.controls) {
        SCOPED_TRACE(control.golden);
        const ConversionResult single = CaptureLive(Control(control.id));
        EXPECT_TRUE(LinesFit(single.text, single.outputCols));
        EXPECT_TRUE(MatchesGolden(control.golden, single.text));
    }
}

std::string CaseName(const ::testing::TestParamInfo<FixtureWindowCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Fixture, FixtureGoldenTest, ::testing::ValuesIn(kFixtureWindows), CaseName);
INSTANTIATE_TEST_SUITE_P(Controls, FixtureGoldenTest, ::testing::ValuesIn(kControlsWindows), CaseName);

}  // namespace
