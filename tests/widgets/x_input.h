// Real mouse and keyboard input on the X display that Wine draws on, made
// with xdotool from inside a Windows test.
#pragma once

#include <string>

// Starts `xdotool ARGUMENTS` and returns at once: Wine hands out no handle
// of a Unix process, so the caller waits for what the input does. False if
// it could not be started.
bool SendXInput(const std::string& arguments);
