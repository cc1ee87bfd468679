#include "drives/VolumeNotification.h"

#include <cstring>

namespace {

// The system's layout: size, device type and a reserved word, then the unit mask and the flags.
constexpr std::size_t SizeOffset = 0;
constexpr std::size_t TypeOffset = 4;
constexpr std::size_t MaskOffset = 12;
constexpr std::size_t FlagsOffset = 16;
constexpr std::uint32_t HeaderSize = 12;
constexpr std::uint32_t VolumeBroadcastSize = 18;
constexpr std::uint32_t DeviceTypeVolume = 2;

template <typename T>
T Read(const void* base, std::size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const unsigned char*>(base) + offset, sizeof value);
    return value;
}

}  // namespace

std::optional<VolumeNotification> DecodeVolumeBroadcast(const void* broadcast) {
    if (!broadcast) return std::nullopt;
    std::uint32_t size = Read<std::uint32_t>(broadcast, SizeOffset);
    if (size < HeaderSize || Read<std::uint32_t>(broadcast, TypeOffset) != DeviceTypeVolume)
        return std::nullopt;
    if (size < VolumeBroadcastSize) return std::nullopt;
    return VolumeNotification{
        Read<std::uint32_t>(broadcast, MaskOffset),
        static_cast<std::uint8_t>(Read<std::uint16_t>(broadcast, FlagsOffset))};
}
