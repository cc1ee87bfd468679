#include "app/ConfigVossik.h"
#include "tray/ShellInfo.h"
#include "tray/TrayIcon.h"

void TConfigVossik::EnumerateDrives() {
    DriveMask = system_.LogicalDrives();
    for (int letter = 0; letter < 32; ++letter) {
        if (!(DriveMask >> letter & 1)) continue;
        auto drive = std::make_unique<TrayItem>();
        drive->Path = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        drive->Kind = static_cast<TrayItemKind>(system_.DriveType(drive->Path));
        std::string displayName;
        IconHandle icon = GetDisplayNameAndIcon(system_, drive->Path, displayName, true);
        FillIconData(drive->IconData, Handle(), static_cast<std::uint32_t>(Drives.size()),
                     displayName, icon);
        Drives.push_back(std::move(drive));
    }
}

// The boxes are read before anything that touches the drive.
bool TConfigVossik::IsDriveShown(const TrayItem& drive) const {
    const DrivesPage& page = PageUS;
    auto kindAndGroup = [&page](const ui::CheckBox& kindBox) {
        return kindBox.Checked() && page.ActiverUS.Checked();
    };
    switch (drive.Kind) {
        case TrayItemKind::DriveRemovable:
            return kindAndGroup(page.CBDisquette);
        case TrayItemKind::DriveFixed:
            return kindAndGroup(page.CBDD);
        case TrayItemKind::DriveRemote:
            return kindAndGroup(page.CBReseau);
        case TrayItemKind::DriveCdRom:
            return kindAndGroup(page.CBCD) && IsCdIconKept(drive);
        case TrayItemKind::DriveRamDisk:
            return kindAndGroup(page.CBRam);
        default:
            return false;
    }
}

// An empty CD drive has the bare designation " (D:)" as its shell name; only then is the drive
// asked whether it holds a disc, with the system's "insert a disc" box kept away.
bool TConfigVossik::IsCdIconKept(const TrayItem& drive) const {
    if (PageAPropos.CBGarderCD.Checked()) return true;
    std::string bare = std::string(" (") + drive.Path.substr(0, 1) + ":)";
    if (drive.Tip() != bare) return true;
    unsigned previous = system_.SetErrorMode(sem::FailCriticalErrors);
    bool readable = system_.DiskTotalSize(drive.Path).has_value();
    system_.SetErrorMode(previous);
    return readable;
}
