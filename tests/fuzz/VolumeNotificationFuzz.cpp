// A device broadcast is read within the size its first field gives, and only a volume
// broadcast of full size yields drives.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "drives/VolumeNotification.h"

namespace {

std::uint32_t Word(const std::uint8_t* data, std::size_t offset) {
    std::uint32_t value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(std::uint32_t)) return 0;
    // The system allocates what the size field says; a broadcast never claims more than it has.
    std::uint32_t declared = Word(data, 0);
    if (declared < sizeof(std::uint32_t) || declared > size) return 0;
    // Exactly the declared bytes, so that reading one more is caught.
    auto broadcast = std::make_unique<std::uint8_t[]>(declared);
    std::memcpy(broadcast.get(), data, declared);

    std::optional<VolumeNotification> volume = DecodeVolumeBroadcast(broadcast.get());
    bool whole = declared >= 18 && Word(data, 4) == 2;
    if (volume.has_value() != whole) abort();
    if (volume && (volume->UnitMask != Word(data, 12) || volume->Flags != data[16])) abort();
    return 0;
}
