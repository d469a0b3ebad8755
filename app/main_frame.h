// The main frame: the MDI frame with the finder bar and the status bar,
// and the finder gesture that chooses the window to convert.
#pragma once

#include "finder_bar.h"
#include "guards.h"
#include "help.h"
#include "layout.h"
#include "mdi_frame.h"
#include "status_bar.h"

#include <windows.h>

// The window the finder marks; none while nothing is marked. The
// conversion reads it and sets it back to none.
extern HWND DropTarget;

constexpr UINT kCommandContextHelp = 0xE145;  // 57669
constexpr UINT kCommandHelp = 0xE146;         // 57670

class CMainFrame : public MdiFrameWindow {
public:
    CMainFrame();

    // Converts DropTarget into a new output document.
    void ConvertWindow();
    // Opens a new output document holding a conversion's text and title.
    bool ShowConversion(const ConversionResult& result);

    // The window to mark under `point`, given in `reference`'s client
    // coordinates, or none.
    HWND PickWindowAt(HWND reference, POINT point) const;
    // Draws or, called again for the same window, erases the mark.
    void InvertTargetFrame(HWND window) const;
    void MinimizeFrame() const;
    void RestoreFrame() const;

    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

protected:
    bool PreCreateWindow(RECT* rect) override;
    int OnCreate() override;
    void OnDestroyFrame() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void StartFinder();
    void TrackFinder(WPARAM keys, LPARAM position);
    void MarkTarget(HWND target);
    void ReleaseFinder();
    void CancelFinder();
    void EndGesture();
    void SetFinderImage(HBITMAP image) const;
    void OnShowWindow(bool shown);
    void OnHelpMessage();

    OwnedBitmap m_bmpFinderFull;
    OwnedBitmap m_bmpFinderEmpty;
    CFinderBar m_wndFinderBar;
    StatusBar m_wndStatusBar;
    bool converting_ = false;
    HelpSession m_help;
};
