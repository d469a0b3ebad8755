// A bar made from a dialog template, along the top of its frame. Its
// buttons' clicks go on to the frame as commands, and at idle time each
// button is enabled only while some target on the route takes its command.
#pragma once

#include "command.h"
#include "window.h"

#include <string>

class DialogBar : public Window {
public:
    // Creates the bar from `templateId` as a child of `frame` with the
    // control id `barId`; shows tooltips ("prompt\ntip" strings of the
    // buttons' ids).
    bool CreateBar(HWND frame, UINT templateId, UINT barId);
    int Height() const;

    void UpdateCommandStates(const CommandRoute& route);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddButtonTips();

    HWND tips_ = nullptr;
    std::wstring tipText_;  // outlives the tooltip's request for it
};
