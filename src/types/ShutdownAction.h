#pragma once

#include <cstdint>

// The action codes of the exit call, as the shutdown page's buttons and the icon menu's items
// carry them in their tags.
using ShutdownAction = std::uint32_t;
namespace action {
constexpr ShutdownAction LogOff = 0;
constexpr ShutdownAction Shutdown = 1;
constexpr ShutdownAction Reboot = 2;
constexpr ShutdownAction Force = 4;
constexpr ShutdownAction PowerOff = 8;
// Restarting Windows alone, which only Windows 95, 98 and Me could do: its button stays greyed
// and its menu item hidden, and neither acts, so no action asks for it.
constexpr ShutdownAction RestartWindows = 0x42;
// What a schedule always does: shut down, without waiting for programs that hang.
constexpr ShutdownAction Scheduled = Shutdown | Force;
}  // namespace action
