#pragma once

#include <cstddef>
#include <cstdint>

// The group of an icon as the mouse handler and the context menu see it.
enum class TrayGroup : int {
    None = 0,
    GroupDrive = 1,
    GroupFolder = 10,
    GroupLaunch = 11,
    GroupShutdown = 12,
};

// An icon id encodes the group and the position of its record in the group's list.
namespace iconid {
constexpr std::uint32_t FolderBase = 100;
constexpr std::uint32_t LaunchBase = 1000;
constexpr std::uint32_t Shutdown = 10000;
constexpr int ShutdownPosition = 10000;
// How many records a list can hold before its ids run into the next group's.
constexpr std::uint32_t FolderCapacity = LaunchBase - FolderBase;
constexpr std::uint32_t LaunchCapacity = Shutdown - LaunchBase;
}  // namespace iconid

struct IconPosition {
    TrayGroup Group = TrayGroup::None;
    int Position = 0;
    bool operator==(const IconPosition&) const = default;
};

// Decoded by ranges in this order: exactly 10000, below 100, below 1000, anything else.
IconPosition DecodeIconId(std::uint32_t id);
