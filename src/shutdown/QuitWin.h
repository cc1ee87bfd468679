#pragma once

#include <string>

#include "platform/System.h"
#include "types/ShutdownAction.h"

// Ends the session or shuts the system down; true when the system accepted the request, which
// it then carries out by itself.
bool QuitWindows(System& system, ShutdownAction action);

// Enables or disables one privilege of this process; true when the token took the change.
bool SetTokenPrivilege(System& system, const std::string& name, bool enable);
