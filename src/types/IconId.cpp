#include "types/IconId.h"

IconPosition DecodeIconId(std::uint32_t id) {
    if (id == iconid::Shutdown) return {TrayGroup::GroupShutdown, iconid::ShutdownPosition};
    if (id < iconid::FolderBase) return {TrayGroup::GroupDrive, static_cast<int>(id)};
    if (id < iconid::LaunchBase)
        return {TrayGroup::GroupFolder, static_cast<int>(id - iconid::FolderBase)};
    return {TrayGroup::GroupLaunch, static_cast<int>(id - iconid::LaunchBase)};
}
