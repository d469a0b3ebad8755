#include "dispatch.h"

#include "buttons.h"
#include "other_windows.h"
#include "records.h"
#include "text_controls.h"

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

// Tab controls reach at least as far right as the last list view captured
// inside their pages.
void WidenToListRightEdge(HWND)
{
    CaptureItem& item = CurrentRecord();
    const int32_t edge = ListRightEdge + 10;
    if (edge > item.rect.right)
        item.rect.right = edge;
}

// Rows whose extractors are not written yet read the window's text through
// the fallback.
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
        {5, {{Match::Exact, "Internet Explorer_Server"}}, CaptureOtherWindow},
        {6, {{Match::Exact, "msctls_statusbar32"}, {Match::Contains, "StatusBar"}}, CaptureOtherWindow},
        {7, {{Match::Exact, "SysTreeView32"}, {Match::Exact, "TTreeView"}}, CaptureOtherWindow},
        {8,
         {{Match::Exact, "SysListView32"}, {Match::Exact, "ATL:SysListView32"}, {Match::Exact, "MFCReportCtrl"}},
         CaptureOtherWindow},
        {9, {{Match::Exact, "Static"}, {Match::Exact, "TPanel"}, {Match::Exact, "MDIClient"}}, CaptureStatic},
        {10, {{Match::Exact, "msctls_progress32"}}, CaptureOtherWindow},
        {11,
         {{Match::Exact, "msctls_trackbar32"}, {Match::Exact, "msctls_trackbar"}, {Match::Exact, "AnimSTrackBar"},
          {Match::Exact, "TTrackBar"}, {Match::Exact, "TSlider"}},
         CaptureOtherWindow},
        {12, {{Match::Exact, "SysDateTimePick32"}}, CaptureOtherWindow},
        {13, {{Match::Exact, "ToolbarWindow32"}}, CaptureOtherWindow},
        {14,
         {{Match::BeginsWith, "Afx:400000:b:13"}, {Match::BeginsWith, "Afx:b:1366:6:"},
          {Match::BeginsWith, "Afx:3:1346:6:"}},
         CaptureOtherWindow},
        {15, {{Match::Contains, "ScrollBar"}}, CaptureOtherWindow},
        {16, {{Match::Exact, "SysTabControl32"}, {Match::Exact, "TPageControl"}}, CaptureOtherWindow, nullptr,
         WidenToListRightEdge},
        {17, {{Match::Contains, "updown"}}, CaptureOtherWindow},
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
