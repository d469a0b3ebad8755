// Real pointer and keyboard input on the X display that the test runs on,
// given by xdotool as a user's hand would give it. Each step waits, bounded,
// for xdotool's end, so steps run one after another and each has ended when
// the next starts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class XInput {
public:
    // Bound for one step on a busy machine.
    static constexpr DWORD kStepTimeoutMs = 60000;

    XInput() = default;
    // Lets go of a button or key that a failed test left held down, so that
    // the next test starts from a hand off the mouse and keyboard.
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    // Runs xdotool with these arguments (one or more of its commands, e.g.
    // "mousemove 10 20 mousedown 1"); false, with a test failure naming the
    // step and what xdotool said, if it fails or does not end in time.
    [[nodiscard]] bool Run(const std::string& commands);

    [[nodiscard]] bool MoveTo(POINT point);
    // Moves from `from` to `to` in `steps` even steps, as a hand drags.
    [[nodiscard]] bool Glide(POINT from, POINT to, int steps);
    [[nodiscard]] bool Press();
    [[nodiscard]] bool Release();
    // `key` is an X key name: shift, ctrl, x, ...
    [[nodiscard]] bool KeyDown(const std::string& key);
    [[nodiscard]] bool KeyUp(const std::string& key);
    [[nodiscard]] bool Tap(const std::string& key);

private:
    bool buttonDown_ = false;
    std::vector<std::string> keysDown_;
};

// A screen point as xdotool takes it: "X Y".
std::string XCoordinates(POINT point);

POINT CentreOf(HWND window);
POINT Moved(POINT point, LONG dx, LONG dy);
