#pragma once

#include <cstdint>
#include <string>

#include "drives/DriveSchedule.h"
#include "pages/Pages.h"
#include "platform/System.h"
#include "tray/TrayIconSet.h"
#include "types/Messages.h"
#include "types/RefreshDelay.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Timer.h"

// The drives: which letters exist, which of them get an icon, and how their icons follow discs
// and network drives coming and going. A notification only notes what is due for each drive it
// names; the refresh timer does it once the delay after the drive's last notice has passed. No
// handler waits: a stream of notices costs a little state, never a deeper stack.
class DriveWatcher {
public:
    DriveWatcher(System& system, ui::Application& application, TrayIconSet& icons,
                 const ui::Form& owner, const DrivesPage& drivesPage, AboutPage& aboutPage);

    // One record per drive letter present, in letter order.
    void EnumerateDrives();
    bool IsDriveShown(const TrayItem& drive) const;
    bool IsCdIconKept(const TrayItem& drive) const;

    // The system's notification.
    void DeviceChange(const WindowMessage& message);
    // A notification that named no drive, told once the notification has returned.
    void UnitMaskError();
    // The refresh timer's tick: what is due is done, in letter order.
    void DriveRefresh();
    // The first entry of the drive of that letter, or -1.
    int FindDriveEntry(char letter) const;
    // The letters (bit 0 is A) whose entry waits to be made.
    std::uint32_t CreationsDue() const;
    bool NothingDue() const { return schedule_.Empty(); }

    // Ctrl + click on the group of the update options asks for the delay.
    void GroupeMAJClick();

    // The wait after a drive's last notice, which the settings file keeps.
    RefreshDelay& Delay() { return delay_; }
    const RefreshDelay& Delay() const { return delay_; }
    // Failed attempts, all drives together.
    int RefreshRetries() const { return retries_; }

    std::uint32_t DriveMask = 0;  // bit i: the letter 'A' + i has an entry or waits for one
    // Runs only while something is due, and ticks when the first of it is.
    ui::Timer RefreshTimer;

private:
    void DriveArrived(int driveNumber);
    void DriveRemoved(int driveNumber, std::uint8_t flags);
    void Due(int driveNumber, DriveSchedule::Work what);
    void StartRefreshTimer();
    void Run(DriveSchedule::Task task);
    bool RefreshEntry(int driveNumber);
    bool CreateEntry(int driveNumber);
    void RemoveEntry(int driveNumber);
    void GiveUp(DriveSchedule::Task task);
    void TellUnitMaskError();
    void InternalError(const std::string& text);

    System& system_;
    ui::Application& application_;
    TrayIconSet& icons_;
    const ui::Form& owner_;
    const DrivesPage& drivesPage_;
    AboutPage& aboutPage_;
    DriveSchedule schedule_;
    RefreshDelay delay_;
    int retries_ = 0;
    bool unitMaskErrorPosted_ = false;
};
