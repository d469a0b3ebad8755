#include "dispatch.h"

#include "buttons.h"
#include "date_time_picker.h"
#include "gauges.h"
#include "list_view.h"
#include "other_controls.h"
#include "other_windows.h"
#include "records.h"
#include "status_bar.h"
#include "tab_control.h"
#include "text_controls.h"
#include "tree_view.h"

#include <cstring>
#include <vector>

namespace {

enum class Match { Exact, Contains, BeginsWith };

struct Pattern {
    Match match;
    const char* text;
};

struct DispatchEntry {
    int row;
    std::vector<Pattern> patterns;
    Extractor extract;
    const char* except = nullptr;       // an exact name a later row takes instead
    Extractor prepare = nullptr;        // runs before the extractor
};

void WidenTabControl(HWND)
{
    WidenToListRightEdge(CurrentRecord());
}

// The rows in the order they are tried; a class that none of them takes
// goes to the fallback, row 18.
const std::vector<DispatchEntry>& Table()
{
    static const std::vector<DispatchEntry> table = {
        {1, {{Match::Contains, "ListBox"}, {Match::Exact, "ComboLBox"}}, CaptureListBox, "ThunderRT5DriveListBox"},
        {2,
         {{Match::Exact, "ComboBox"}, {Match::Exact, "TComboBox"}, {Match::Exact, "ThunderRT5DriveListBox"}},
         CaptureComboBox},
        {3,
         {{Match::Contains, "Edit"}, {Match::Contains, "EDTBX"}, {Match::Contains, "TextBox"},
          {Match::Contains, "TMemo"}},
         CaptureEdit},
        {4,
         {{Match::Contains, "Button"}, {Match::Contains, "Btn"}, {Match::Contains, "Check"},
          {Match::Contains, "Group"}},
         CaptureButton},
        {5, {{Match::Exact, "Internet Explorer_Server"}}, CaptureHtmlHost},
        {6, {{Match::Exact, "msctls_statusbar32"}, {Match::Contains, "StatusBar"}}, CaptureStatusBar},
        {7, {{Match::Exact, "SysTreeView32"}, {Match::Exact, "TTreeView"}}, CaptureTreeView},
        {8,
         {{Match::Exact, "SysListView32"}, {Match::Exact, "ATL:SysListView32"}, {Match::Exact, "MFCReportCtrl"}},
         CaptureListView},
        {9, {{Match::Exact, "Static"}, {Match::Exact, "TPanel"}, {Match::Exact, "MDIClient"}}, CaptureStatic},
        {10, {{Match::Exact, "msctls_progress32"}}, CaptureProgressBar},
        {11,
         {{Match::Exact, "msctls_trackbar32"}, {Match::Exact, "msctls_trackbar"}, {Match::Exact, "AnimSTrackBar"},
          {Match::Exact, "TTrackBar"}, {Match::Exact, "TSlider"}},
         CaptureSlider},
        {12, {{Match::Exact, "SysDateTimePick32"}}, CaptureDateTimePicker},
        {13, {{Match::Exact, "ToolbarWindow32"}}, CaptureToolbar},
        {14,
         {{Match::BeginsWith, "Afx:400000:b:13"}, {Match::BeginsWith, "Afx:b:1366:6:"},
          {Match::BeginsWith, "Afx:3:1346:6:"}},
         CaptureMdiCaption},
        {15, {{Match::Contains, "ScrollBar"}}, CaptureScrollBar},
        {16, {{Match::Exact, "SysTabControl32"}, {Match::Exact, "TPageControl"}}, CaptureTabControl, nullptr,
         WidenTabControl},
        {17, {{Match::Contains, "updown"}}, CaptureSpin},
    };
    return table;
}

constexpr int kFallbackRow = 18;

bool Matches(const Pattern& pattern, const char* className)
{
    switch (pattern.match) {
    case Match::Exact:
        return std::strcmp(className, pattern.text) == 0;
    case Match::Contains:
        return std::strstr(className, pattern.text) != nullptr;
    case Match::BeginsWith:
        return std::strncmp(className, pattern.text, std::strlen(pattern.text)) == 0;
    }
    return false;
}

bool Takes(const DispatchEntry& entry, const char* className)
{
    if (entry.except && std::strcmp(className, entry.except) == 0)
        return false;
    for (const Pattern& pattern : entry.patterns)
        if (Matches(pattern, className))
            return true;
    return false;
}

const DispatchEntry* EntryFor(const char* className)
{
    for (const DispatchEntry& entry : Table())
        if (Takes(entry, className))
            return &entry;
    return nullptr;
}

}  // namespace

int DispatchRowFor(const char* className)
{
    const DispatchEntry* entry = EntryFor(className);
    return entry ? entry->row : kFallbackRow;
}

void Dispatch(HWND hwnd)
{
    const DispatchEntry* entry = EntryFor(CurrentRecord().className);
    if (!entry) {
        CaptureOtherWindow(hwnd);
        return;
    }
    if (entry->prepare)
        entry->prepare(hwnd);
    entry->extract(hwnd);
}
