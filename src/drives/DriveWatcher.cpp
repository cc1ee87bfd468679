#include "drives/DriveWatcher.h"

#include "tray/ShellInfo.h"

DriveWatcher::DriveWatcher(System& system, ui::Application& application, TrayIconSet& icons,
                           const ui::Form& owner, const DrivesPage& drivesPage,
                           AboutPage& aboutPage)
    : system_(system),
      application_(application),
      icons_(icons),
      owner_(owner),
      drivesPage_(drivesPage),
      aboutPage_(aboutPage) {
    aboutPage.GroupeMAJ.OnClick = [this] { GroupeMAJClick(); };
    RefreshTimer.OnTimer = [this] { DriveRefresh(); };
}

void DriveWatcher::EnumerateDrives() {
    DriveMask = system_.LogicalDrives() & AllDriveLetters;
    for (int letter = 0; letter < DriveLetters; ++letter) {
        if (!(DriveMask >> letter & 1)) continue;
        auto drive = std::make_unique<TrayItem>();
        drive->Path = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        drive->Kind = static_cast<TrayItemKind>(system_.DriveType(drive->Path));
        std::string displayName;
        SharedIcon icon =
            GetDisplayNameAndIcon(system_, icons_.Pictures, drive->Path, displayName, true);
        icons_.Append(icons_.Drives, std::move(drive), displayName, std::move(icon));
    }
}

// The boxes are read before anything that touches the drive.
bool DriveWatcher::IsDriveShown(const TrayItem& drive) const {
    const DrivesPage& page = drivesPage_;
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
bool DriveWatcher::IsCdIconKept(const TrayItem& drive) const {
    if (aboutPage_.CBGarderCD.Checked()) return true;
    std::string bare = std::string(" (") + drive.Path.substr(0, 1) + ":)";
    if (drive.Tip() != bare) return true;
    unsigned previous = system_.SetErrorMode(sem::FailCriticalErrors);
    bool readable = system_.DiskTotalSize(drive.Path).has_value();
    system_.SetErrorMode(previous);
    return readable;
}
