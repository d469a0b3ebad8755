// The MDI main frame: its MDI client, a bar along the top, the status bar
// along the bottom, the menu of the active document's template (or its own
// while no document is open), command routing, and the status prompts.
#pragma once

#include "command.h"
#include "guards.h"
#include "window.h"

#include <string>

class DialogBar;
class MdiChildWindow;
class PrintPreview;
class StatusBar;

// Commands the frame takes.
constexpr UINT kCommandExit = 0xE141;             // 57665
constexpr UINT kCommandNewWindow = 0xE130;        // 57648
constexpr UINT kCommandArrangeIcons = 0xE131;     // 57649
constexpr UINT kCommandCascade = 0xE132;          // 57650
constexpr UINT kCommandTile = 0xE133;             // 57651
constexpr UINT kCommandToggleStatusBar = 0xE801;  // 59393
constexpr UINT kIdleMessageId = 0xE001;           // "ready" text of the message pane
constexpr UINT kFirstMdiChildId = 0xFF00;

class MdiFrameWindow : public Window, public CommandTarget {
public:
    // Registers the frame class with icon `resourceId` and creates the frame
    // with that id's menu, accelerators and title string.
    bool LoadFrame(UINT resourceId, DWORD style);

    HWND MdiClient() const { return mdiClient_; }
    MdiChildWindow* ActiveChild() const;
    // View, document, template, child frame, this frame, the application.
    CommandRoute Route() const;
    HACCEL Accelerators() const;
    const std::wstring& AppTitle() const { return title_; }

    void SetBars(DialogBar* topBar, StatusBar* statusBar);
    void RecalcLayout();
    // Sets the message pane; the idle text comes back with the next prompt.
    void SetMessageText(const std::wstring& text);
    void ShowIdleMessage();

    // While a print preview is shown it takes the place of the documents;
    // the menu and the top bar are put away until it ends.
    void BeginPreview(PrintPreview* preview);
    void EndPreview();
    PrintPreview* Preview() const { return preview_; }

    // Menu, caption and children's titles after a child came or went.
    void OnChildrenChanged();
    // The caption and the Window menu's entries after a title changed, or
    // the active child was maximised or restored.
    void UpdateTitles();
    virtual void OnIdle();

    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

protected:
    // The creation rectangle; false stops the creation.
    virtual bool PreCreateWindow(RECT* rect) { (void)rect; return true; }
    // After the MDI client exists; -1 fails the creation.
    virtual int OnCreate() { return 0; }
    // Before the frame is destroyed.
    virtual void OnDestroyFrame() {}

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateMdiClient();
    void OnInitMenuPopup(HMENU popup);
    void OnMenuSelect(UINT id, UINT flags, HMENU menu);
    void SetMenuFor(MdiChildWindow* child);

    HWND mdiClient_ = nullptr;
    // Its own menu and accelerators, loaded with the frame. The menu shown
    // and the one put away for a preview are borrowed from their owners.
    OwnedMenu ownMenu_;
    HMENU shownMenu_ = nullptr;
    OwnedAccelerators ownAccelerators_;
    std::wstring title_;
    std::wstring idleText_;
    DialogBar* topBar_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    PrintPreview* preview_ = nullptr;
    HMENU menuBeforePreview_ = nullptr;
    bool topBarBeforePreview_ = false;
};
