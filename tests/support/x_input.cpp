#include "x_input.h"

#include "unix_command.h"

#include <gtest/gtest.h>

#include <algorithm>

XInput::~XInput()
{
    std::string letGo;
    if (buttonDown_)
        letGo += " mouseup 1";
    for (const std::string& key : keysDown_)
        letGo += " keyup " + key;
    if (!letGo.empty())
        static_cast<void>(Run(letGo.substr(1)));
}

bool XInput::Run(const std::string& commands)
{
    const std::string problem = RunUnixCommand("xdotool " + commands, kStepTimeoutMs);
    if (!problem.empty())
        ADD_FAILURE() << problem;
    return problem.empty();
}

bool XInput::MoveTo(POINT point)
{
    return Run("mousemove " + XCoordinates(point));
}

bool XInput::Glide(POINT from, POINT to, int steps)
{
    std::string commands;
    for (int i = 1; i <= steps; ++i) {
        const POINT step{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        commands += (i > 1 ? " mousemove " : "mousemove ") + XCoordinates(step);
    }
    return Run(commands);
}

bool XInput::Press()
{
    buttonDown_ = true;
    return Run("mousedown 1");
}

bool XInput::Release()
{
    const bool released = Run("mouseup 1");
    buttonDown_ = !released;
    return released;
}

bool XInput::KeyDown(const std::string& key)
{
    keysDown_.push_back(key);
    return Run("keydown " + key);
}

bool XInput::KeyUp(const std::string& key)
{
    const bool up = Run("keyup " + key);
    if (up)
        keysDown_.erase(std::remove(keysDown_.begin(), keysDown_.end(), key), keysDown_.end());
    return up;
}

bool XInput::Tap(const std::string& key)
{
    return Run("key " + key);
}

std::string XCoordinates(POINT point)
{
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

POINT CentreOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT Moved(POINT point, LONG dx, LONG dy)
{
    return {point.x + dx, point.y + dy};
}
