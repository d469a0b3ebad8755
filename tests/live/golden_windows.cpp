#include "golden_windows.h"

#include "fixture_ids.h"
#include "qscontrols_ids.h"

std::wstring GoldenWindow::Arguments() const
{
    return std::wstring(name, name + std::char_traits<char>::length(name));
}

void PrintTo(const GoldenWindow& window, std::ostream* out)
{
    *out << window.golden;
}

const std::vector<GoldenWindow> kFixtureWindows = {
    {FixtureProgramKind::Fixture,
     "edits",
     "edits",
     "Fixture: edits エディット",
     {{IDC_EDIT_FRAMED, "edit-framed"}, {IDC_EDIT_MULTI, "edit-multi-line"}}},
    {FixtureProgramKind::Fixture,
     "lists",
     "lists",
     "Fixture: lists リスト",
     {{IDC_COMBO_TYPED, "combo-typed"}, {IDC_LIST_SCROLLED, "list-scrolled"}}},
    {FixtureProgramKind::Fixture,
     "buttons",
     "buttons",
     "Fixture: buttons ボタン",
     {{IDC_CHECK_FOCUSED, "check-focused"}, {IDC_GROUP_RADIOS, "group-radios"}}},
    {FixtureProgramKind::Fixture, "statics", "statics", "Fixture: statics スタティック", {}},
    // Wine cannot read the menu bar of another process (GetMenuStringA
    // fails), so the "Menu" record is empty: the menu row between the title
    // rule and the menu rule is blank and goes with the other blank rows.
    {FixtureProgramKind::Fixture, "main", "main", "Fixture: main メイン", {}},
    {FixtureProgramKind::Fixture, "help", "help", "Fixture: help ヘルプ", {}},
    {FixtureProgramKind::Fixture, "hang", "hang", "Fixture: hang 応答なし", {}},
};

const std::vector<GoldenWindow> kControlsWindows = {
    {FixtureProgramKind::Controls,
     "trees",
     "controls-trees",
     "Controls: trees ツリー",
     {{IDC_TREE_CHECKS, "controls-tree-checks"}}},
    {FixtureProgramKind::Controls,
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
    {FixtureProgramKind::Controls,
     "tabs",
     "controls-tabs",
     "Controls: tabs タブと日付",
     {{IDC_TAB_SELECTED, "controls-tab-selected"},
      {IDC_STATUS, "controls-status"},
      {IDC_DATE_NONE, "controls-date-none"}}},
    {FixtureProgramKind::Controls,
     "gauges",
     "controls-gauges",
     "Controls: gauges ゲージ",
     {{IDC_PROGRESS_VERT_75, "controls-progress-vertical"},
      {IDC_TRACK_TICKS, "controls-track-ticks"},
      {IDC_SCROLL_OFFSET, "controls-scroll-offset"}}},
    // "TPageControl" alone: as the tab control above.
    {FixtureProgramKind::Controls,
     "foreign",
     "controls-foreign",
     "Controls: foreign 他のライブラリ",
     {{IDC_FOREIGN_TREE, "controls-foreign-tree"},
      {IDC_FOREIGN_PAGES, "controls-foreign-pages"},
      {IDC_FOREIGN_TRACK, "controls-foreign-track"}}},
    {FixtureProgramKind::Controls, "mdi", "controls-mdi", "Controls: mdi MDI フレーム", {}},
};
