// The base of the tests that drive Quillscape.exe from outside with real
// mouse and keyboard input: a clean profile, the program and fixture windows
// in processes of their own for one test, and the steps of the finder
// gesture, each of which waits for the state that shows it has happened.
#pragma once

#include "fixture_process.h"
#include "qscap_oracle.h"
#include "quillscape_process.h"
#include "x_input.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class GuiTest : public ::testing::Test {
protected:
    // Removes the program's profile key, so that each test starts afresh.
    void SetUp() override;

    static void SeedSetting(const char* key, DWORD value);
    static std::optional<DWORD> Setting(const char* key);
    // Puts the main frame right of the fixture windows, which open at (40, 40).
    static void SeedPlacementBesideFixtures();

    // Starts the program and waits until its main frame is shown.
    [[nodiscard]] bool StartProgram(const std::wstring& arguments = L"");
    // Opens a qsfixture window (a window name such as L"buttons") for this
    // test; the window once it is ready, or null after a failure.
    HWND OpenFixture(const std::wstring& name);

    // The pointer onto the finder image and the button down; waits until the
    // image shows the tool lifted out.
    [[nodiscard]] bool PressFinder();
    // From the finder image to `point` in small steps, the button held;
    // waits until the main frame is minimised and the last move has reached
    // the system, so that no key pressed after it overtakes it.
    [[nodiscard]] bool DragFinderTo(POINT point);
    // The button up; waits until there are `documents` documents and the
    // conversion has ended (the newest document has its own title).
    [[nodiscard]] bool ReleaseAndWaitForDocuments(size_t documents);
    // The button up; waits until the image is back at rest and the program
    // has handled the release.
    [[nodiscard]] bool ReleaseAndWaitForRest();
    // The whole gesture onto `point`; waits for one more document.
    [[nodiscard]] bool ConvertAt(POINT point);

    // The active document is what qscap makes of `target`: its text, its
    // title in the child frame's and the main frame's caption, and a child
    // frame sized after the picture's columns and rows. What qscap made.
    QscapConversion ExpectActiveDocumentIsConversionOf(HWND target);

    std::unique_ptr<QuillscapeProcess> program_;
    std::vector<std::unique_ptr<FixtureProcess>> fixtures_;
    // The finder image with the tool lifted out, as the last press showed it.
    HANDLE liftedImage_ = nullptr;
    int presses_ = 0;
    POINT pressedAt_{};
    // Last, so that it lets go of the mouse before the windows close.
    XInput input_;
};

// A point on the window's title bar.
POINT OnCaption(HWND window);

// A child frame's size for a picture of `cols` columns and `rows` rows:
// six by twelve pixels a cell, the dialog frame, the caption and a margin
// of 50 each way.
SIZE PictureFrameSize(int cols, int rows);
// The largest child frame: the main frame's client area, 64 pixels less high.
SIZE ChildFrameRoom(HWND mainFrame);

// The window that holds the mouse capture in `window`'s thread, or null;
// the system answers, not the thread.
HWND MouseCaptureOf(HWND window);
