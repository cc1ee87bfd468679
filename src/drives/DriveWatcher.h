#pragma once

#include <cstdint>

#include "config/Pages.h"
#include "platform/System.h"
#include "tray/TrayIconSet.h"

// The drives: which letters exist, which of them get an icon, and (as notifications come) how
// their icons follow discs and network drives. Options are read from the pages it is given.
class DriveWatcher {
public:
    DriveWatcher(System& system, TrayIconSet& icons, const DrivesPage& drivesPage,
                 const AboutPage& aboutPage);

    // One record per drive letter present, in letter order.
    void EnumerateDrives();
    bool IsDriveShown(const TrayItem& drive) const;
    bool IsCdIconKept(const TrayItem& drive) const;

    std::uint32_t DriveMask = 0;    // bit i: the letter 'A' + i is known
    unsigned RefreshDelay = 10000;  // milliseconds between a drive notification and its handling
    int RefreshRetries = 0;

private:
    System& system_;
    TrayIconSet& icons_;
    const DrivesPage& drivesPage_;
    const AboutPage& aboutPage_;
};
