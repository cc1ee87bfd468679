#pragma once

#include <cstdint>
#include <string>

#include "platform/System.h"

// The action codes of the exit call, plus our own for restarting Windows alone.
using ShutdownAction = std::uint32_t;
namespace action {
constexpr ShutdownAction LogOff = 0;
constexpr ShutdownAction Shutdown = 1;
constexpr ShutdownAction Reboot = 2;
constexpr ShutdownAction Force = 4;
constexpr ShutdownAction PowerOff = 8;
constexpr ShutdownAction RestartWindows = 0x42;
// What a schedule always does: shut down, without waiting for programs that hang.
constexpr ShutdownAction Scheduled = Shutdown | Force;
}  // namespace action

// Ends the session or shuts the system down; true when the system accepted the request, which
// it then carries out by itself. Restarting Windows alone counts as accepted even where it
// cannot be done.
bool QuitWindows(System& system, ShutdownAction action);

// Enables or disables one privilege of this process; true when the token took the change.
bool SetTokenPrivilege(System& system, const std::string& name, bool enable);
