#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "types/Handles.h"
#include "types/NameGuid.h"
#include "types/SharedIcon.h"

enum class TrayItemKind : std::uint32_t {
    DriveUnknown = 0,
    DriveNoRootDir = 1,
    DriveRemovable = 2,
    DriveFixed = 3,
    DriveRemote = 4,
    DriveCdRom = 5,
    DriveRamDisk = 6,
    Folder = 10,
    Launch = 11,
    Shutdown = 12,
};

// The system's notification-icon record: the members of its first layout, which every system
// reads, then the icon's identity, which Windows 7 and later read from their full record. cbSize
// says which of the two the shell gets. The Windows builds prove the layout against
// NOTIFYICONDATAA.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    WindowHandle hWnd = nullptr;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = nullptr;
    char szTip[64] = {};
    // The identity the shell knows the icon by since its add; nil when it went without one.
    Guid guidItem;
};

namespace nif {
constexpr std::uint32_t Message = 1;
constexpr std::uint32_t Icon = 2;
constexpr std::uint32_t Tip = 4;
constexpr std::uint32_t All = Message | Icon | Tip;
// The icon is named by guidItem rather than by its window and id.
constexpr std::uint32_t GuidItem = 0x20;
constexpr std::uint32_t FirstLayoutSize = offsetof(NotifyIconData, guidItem);
// The whole ANSI record of Windows Vista and later; of its members, those above are filled.
constexpr std::uint32_t FullLayoutSize = sizeof(void*) == 8 ? 528 : 508;
constexpr std::size_t MaxTipLength = sizeof(NotifyIconData::szTip) - 1;
}  // namespace nif

struct TrayItem {
    TrayItemKind Kind = TrayItemKind::DriveUnknown;
    std::string Path;
    std::string Name;
    std::string Options;
    bool Shown = false;
    bool Missing = false;
    // The record as the notification area gets it. Its hIcon is set from `Icon` whenever the
    // record is sent.
    NotifyIconData IconData;
    SharedIcon Icon;
    // The entry the record holds, unique in the program's run: it moves with the contents, so
    // that whoever keeps it finds the entry at its position of the moment, or learns it went.
    std::uint32_t Entry = 0;

    // The tip as stored in the record, up to its NUL.
    std::string Tip() const;
};

// A group's records in icon order: record k has the group's base id + k.
using TrayItemList = std::vector<std::unique_ptr<TrayItem>>;
