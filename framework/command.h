// Commands and their route: a menu item, an accelerator or a bar button
// sends a command id; the targets on the route are asked in order, and the
// first that takes the id handles it. A command that no target takes is
// disabled in menus and on bars.
#pragma once

#include <windows.h>

#include <vector>

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True if this target takes `id`; it may then set the state (enabled
    // and unchecked unless it says otherwise).
    virtual bool QueryCommand(UINT id, CommandState* state) = 0;
    // Carries out a command that QueryCommand took and left enabled.
    virtual void ExecuteCommand(UINT id) = 0;
};

using CommandRoute = std::vector<CommandTarget*>;

// The state of `id` as the first target that takes it says; disabled when
// none takes it.
CommandState StateOfCommand(const CommandRoute& route, UINT id);

// Carries out `id` at the first target that takes it, if it is enabled
// there. True when a target carried it out.
bool RouteCommand(const CommandRoute& route, UINT id);
