#include "accessible_roles.h"

#include <windows.h>

#include <oleacc.h>

RoleNeeds NeedsOfRole(long role)
{
    switch (role) {
    case ROLE_SYSTEM_PUSHBUTTON:
    case ROLE_SYSTEM_CHECKBUTTON:
    case ROLE_SYSTEM_RADIOBUTTON:
    case ROLE_SYSTEM_STATICTEXT:
        return {true, true, false, false};
    case ROLE_SYSTEM_TEXT:
    case ROLE_SYSTEM_COMBOBOX:
    case ROLE_SYSTEM_PROGRESSBAR:
    case ROLE_SYSTEM_SLIDER:
        return {true, false, true, false};
    case ROLE_SYSTEM_GROUPING:
    case ROLE_SYSTEM_STATUSBAR:
        return {true, true, false, true};
    case ROLE_SYSTEM_LIST:
    case ROLE_SYSTEM_OUTLINE:
    case ROLE_SYSTEM_PAGETABLIST:
    case ROLE_SYSTEM_TABLE:
        return {true, false, false, true};
    case ROLE_SYSTEM_MENUBAR:
    case ROLE_SYSTEM_ROW:
        return {false, false, false, true};
    // An outline item's value is its level.
    case ROLE_SYSTEM_OUTLINEITEM:
        return {false, true, true, false};
    case ROLE_SYSTEM_LISTITEM:
    case ROLE_SYSTEM_PAGETAB:
    case ROLE_SYSTEM_MENUITEM:
    case ROLE_SYSTEM_COLUMNHEADER:
    case ROLE_SYSTEM_CELL:
        return {false, true, false, false};
    default:
        // Client areas, panes, tool bars and roles no record shows: only
        // what they hold.
        return {false, false, false, true};
    }
}
