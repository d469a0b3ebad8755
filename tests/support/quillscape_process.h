// Quillscape.exe started for one test and seen from outside, as the user
// sees it: its main frame, the finder image, the output documents and the
// message boxes it shows. When the object goes, the program is closed as a
// user closes it; one that does not end in time is ended by its handle.
#pragma once

#include "child_process.h"
#include "shown_text.h"

#include <windows.h>

#include <string>
#include <vector>

class QuillscapeProcess {
public:
    static constexpr DWORD kExitTimeoutMs = 30000;

    // Starts the program with `arguments` as they stand on its command line.
    explicit QuillscapeProcess(const std::wstring& arguments);
    ~QuillscapeProcess();
    QuillscapeProcess(const QuillscapeProcess&) = delete;
    QuillscapeProcess& operator=(const QuillscapeProcess&) = delete;

    // Waits, bounded, until the main frame is shown and its thread takes
    // messages; false after a test failure otherwise.
    [[nodiscard]] bool WaitUntilShown();

    HWND Frame() const { return frame_; }
    HWND MdiClient() const;
    HWND FinderImage() const;
    // The image the finder control shows now.
    HANDLE FinderBitmap() const;

    // The output documents' child frames, and the active one or null.
    std::vector<HWND> Documents() const;
    HWND ActiveDocument() const;

    // A message box of the program on the screen, or null.
    HWND MessageBox() const;

    // True when the main frame's thread has taken a message within a short
    // while: everything sent or input before has been handled.
    bool Answers() const;

    // Closes the main frame with WM_CLOSE and waits for the program's end.
    [[nodiscard]] bool Close();

    ChildProcess& Process() { return process_; }

private:
    ChildProcess process_;
    HWND frame_ = nullptr;
};

// The edit control of an output document's child frame.
HWND ViewOf(HWND childFrame);
