#pragma once

#include <cstdint>
#include <string>

#include "config/Pages.h"
#include "platform/System.h"
#include "tray/TrayIconSet.h"
#include "types/Messages.h"
#include "types/RefreshDelay.h"
#include "ui/Application.h"
#include "ui/Form.h"

// The drives: which letters exist, which of them get an icon, and how their icons follow discs
// and network drives coming and going. A notification only posts a message to the owner; its
// handling waits the refresh delay, serving the queue, then creates, refreshes or removes the
// drive's entry. Posted messages name their drive by letter, so that an entry removed in
// between cannot shift them onto another drive.
class DriveWatcher {
public:
    DriveWatcher(System& system, ui::Application& application, TrayIconSet& icons,
                 const ui::Form& owner, const DrivesPage& drivesPage, AboutPage& aboutPage);

    // One record per drive letter present, in letter order.
    void EnumerateDrives();
    bool IsDriveShown(const TrayItem& drive) const;
    bool IsCdIconKept(const TrayItem& drive) const;

    // The system's notification, and the two messages it posts.
    void DeviceChange(const WindowMessage& message);
    void DriveRefresh(std::uintptr_t driveNumber, std::intptr_t refresh);
    void DriveRemove(std::uintptr_t driveNumber, std::intptr_t bitToClear);
    // The first entry of the drive of that letter, or -1.
    int FindDriveEntry(char letter) const;

    // Ctrl + click on the group of the update options asks for the delay.
    void GroupeMAJClick();

    std::uint32_t DriveMask = 0;     // bit i: the letter 'A' + i has an entry or waits for one
    std::uint32_t CreationsDue = 0;  // bit i: the entry of 'A' + i waits to be made
    std::uint32_t RemovalsDue = 0;   // bit i: the entry of 'A' + i waits to be removed
    unsigned RefreshDelay = DefaultRefreshDelay;  // milliseconds
    int RefreshRetries = 0;                       // failed attempts, all drives together

private:
    void DriveArrived(int driveNumber);
    void DriveRemoved(int driveNumber, std::uint8_t flags);
    void Post(unsigned message, int driveNumber, std::intptr_t lParam);
    // False when the program is asked to end meanwhile: then nothing more is done.
    bool WaitRefreshDelay();
    bool RefreshEntry(int driveNumber);
    bool CreateEntry(int driveNumber);
    void InternalError(const std::string& text);

    System& system_;
    ui::Application& application_;
    TrayIconSet& icons_;
    const ui::Form& owner_;
    const DrivesPage& drivesPage_;
    AboutPage& aboutPage_;
};
