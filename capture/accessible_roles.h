// Which properties of an accessible object the capture asks for, by role:
// each is a call into the target's process, so only what a record of that
// role shows is asked.
#pragma once

struct RoleNeeds {
    bool location;   // accLocation: the object makes a record of its own
    bool name;
    bool value;
    bool children;   // its children are read (containers, lists, tables)
};

RoleNeeds NeedsOfRole(long role);
