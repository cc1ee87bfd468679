#pragma once

#include <cstdint>
#include <optional>

// What a volume notification says: the drives it is about (bit 0 is A) and the low byte of its
// flags (1: a medium came or went, 2: a network volume).
struct VolumeNotification {
    std::uint32_t UnitMask = 0;
    std::uint8_t Flags = 0;
};

namespace dbt {
constexpr std::uintptr_t DeviceArrival = 0x8000;
constexpr std::uintptr_t DeviceRemoveComplete = 0x8004;
constexpr std::uint8_t Media = 1;
constexpr std::uint8_t Net = 2;
}  // namespace dbt

// Reads the broadcast a device-change message points to; nothing unless it is a whole volume
// broadcast. Its size field is checked before anything past the header is read.
std::optional<VolumeNotification> DecodeVolumeBroadcast(const void* broadcast);
