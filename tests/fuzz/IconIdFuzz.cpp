// Every tray callback id decodes to the group its range gives and a position that encodes back
// to the same id. Ids too far past the quick-launch base for an int give negative positions,
// which name no icon: the lists reject them.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "types/IconId.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(std::uint32_t)) return 0;
    std::uint32_t id;
    std::memcpy(&id, data, sizeof id);
    IconPosition icon = DecodeIconId(id);
    std::int64_t position = icon.Position;
    std::int64_t base = 0;
    switch (icon.Group) {
        case TrayGroup::GroupDrive:
            if (id >= iconid::FolderBase) abort();
            break;
        case TrayGroup::GroupFolder:
            if (id < iconid::FolderBase || id >= iconid::LaunchBase) abort();
            base = iconid::FolderBase;
            break;
        case TrayGroup::GroupLaunch:
            if (id < iconid::LaunchBase || id == iconid::Shutdown) abort();
            base = iconid::LaunchBase;
            break;
        case TrayGroup::GroupShutdown:
            if (id != iconid::Shutdown || icon.Position != iconid::ShutdownPosition) abort();
            return 0;
        default:
            abort();
    }
    if (static_cast<std::uint32_t>(base + position) != id) abort();
    return 0;
}
