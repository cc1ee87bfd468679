#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "types/Handles.h"
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

// The system's notification-icon record in its first layout: these members and no others.
// The Windows builds prove the layout against NOTIFYICONDATAA.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    WindowHandle hWnd = nullptr;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = nullptr;
    char szTip[64] = {};
};

namespace nif {
constexpr std::uint32_t Message = 1;
constexpr std::uint32_t Icon = 2;
constexpr std::uint32_t Tip = 4;
constexpr std::uint32_t All = Message | Icon | Tip;
constexpr std::uint32_t RecordSize = sizeof(NotifyIconData);
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
