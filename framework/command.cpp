#include "command.h"

namespace {

CommandTarget* TargetOf(const CommandRoute& route, UINT id, CommandState* state)
{
    for (CommandTarget* target : route) {
        if (!target)
            continue;
        *state = CommandState{};
        if (target->QueryCommand(id, state))
            return target;
    }
    *state = CommandState{false, false};
    return nullptr;
}

}  // namespace

CommandState StateOfCommand(const CommandRoute& route, UINT id)
{
    CommandState state;
    TargetOf(route, id, &state);
    return state;
}

bool RouteCommand(const CommandRoute& route, UINT id)
{
    CommandState state;
    CommandTarget* target = TargetOf(route, id, &state);
    if (!target || !state.enabled)
        return false;
    target->ExecuteCommand(id);
    return true;
}
