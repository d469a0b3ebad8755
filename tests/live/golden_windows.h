// The fixture windows that have golden pictures: the program that shows
// each, its name for the window, its title, and the controls that are
// pictured alone as well.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// qsfixture.exe (texts, buttons and dialogs) or qscontrols.exe (common
// controls whose content lives in the fixture's process).
enum class FixtureProgramKind { Fixture, Controls };

struct SingleControl {
    int id;
    const char* golden;
};

struct GoldenWindow {
    FixtureProgramKind program;
    const char* name;    // the program's name for the window
    const char* golden;  // the whole window's picture
    const char* title;
    std::vector<SingleControl> controls;

    // The fixture's command line for the window.
    std::wstring Arguments() const;
};

void PrintTo(const GoldenWindow& window, std::ostream* out);

// qsfixture's windows, whose pictures are named after them, and
// qscontrols', whose pictures are named "controls-" and the window.
extern const std::vector<GoldenWindow> kFixtureWindows;
extern const std::vector<GoldenWindow> kControlsWindows;
