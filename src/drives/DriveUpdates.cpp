// What the refresh timer does once a drive's delay has passed: its entry is made, refreshed or
// removed, and a lookup that fails is tried again after another delay, up to a limit.
#include <algorithm>
#include <utility>

#include "drives/DriveWatcher.h"
#include "platform/MessageBox.h"
#include "tray/ShellInfo.h"
#include "tray/TrayIcon.h"

namespace {

constexpr int MaxRetries = 10;
using Work = DriveSchedule::Work;

char Letter(int driveNumber) {
    return static_cast<char>('A' + driveNumber);
}

std::string Root(int driveNumber) {
    return std::string(1, Letter(driveNumber)) + ":\\";
}

}  // namespace

// A box shown here runs the program's messages, this tick included: each task is taken off
// before it runs, and the clock is read again for the next. Once the program is asked to end,
// nothing more is done.
void DriveWatcher::DriveRefresh() {
    while (!application_.Terminated()) {
        std::optional<DriveSchedule::Task> task =
            schedule_.TakeDue(system_.TickCount(), delay_.Milliseconds());
        if (!task) break;
        Run(*task);
    }
    StartRefreshTimer();
}

// Stopped when nothing is due: no tick while the program is idle. A tick that comes early finds
// nothing due and sets the timer again.
void DriveWatcher::StartRefreshTimer() {
    std::optional<unsigned> wait;
    if (!application_.Terminated())
        wait = schedule_.UntilFirst(system_.TickCount(), delay_.Milliseconds());
    if (wait) RefreshTimer.SetInterval(std::max(*wait, 1u));
    RefreshTimer.SetEnabled(wait.has_value());
}

void DriveWatcher::Run(DriveSchedule::Task task) {
    if (task.What == Work::Remove) {
        RemoveEntry(task.Letter);
        return;
    }
    const bool done =
        task.What == Work::Refresh ? RefreshEntry(task.Letter) : CreateEntry(task.Letter);
    if (done) {
        retries_ = 0;
    } else if (retries_ <= MaxRetries) {
        ++retries_;
        // Again after a full delay, unless a notice that came meanwhile asked anew or the drive
        // is forgotten.
        const bool wanted = task.What == Work::Refresh || DriveMask >> task.Letter & 1;
        if (wanted && schedule_.Pending(task.Letter) == Work::None) Due(task.Letter, task.What);
    } else {
        GiveUp(task);
    }
}

// A drive removed while its refresh waited is not brought back: that is done, not failed. A
// drive of another kind may have taken the letter (a stick replaced by a disk within the delay):
// its icon then shows as the options of its kind say.
bool DriveWatcher::RefreshEntry(int driveNumber) {
    int p = FindDriveEntry(Letter(driveNumber));
    if (p < 0) return true;
    TrayItem& drive = *icons_.Drives[p];
    std::string displayName;
    SharedIcon icon = GetDisplayNameAndIcon(system_, icons_.Pictures, drive.Path, displayName,
                                            false, PictureRead::Afresh);
    if (!icon) return false;
    const auto kind = static_cast<TrayItemKind>(system_.DriveType(drive.Path));
    const bool otherKind = std::exchange(drive.Kind, kind) != kind;
    ChangeTrayIcon(icons_.Area(), drive, std::move(icon), displayName, drive.Tip() != displayName);
    // The shell's call lets messages in: the entry may have gone meanwhile.
    if (!otherKind || (p = FindDriveEntry(Letter(driveNumber))) < 0) return true;
    TrayItem& now = *icons_.Drives[p];
    if (IsDriveShown(now)) {
        AddTrayIcon(icons_.Area(), now);
    } else {
        RemoveTrayIcon(icons_.Area(), now);
    }
    return true;
}

// Nothing to create when the drive went again meanwhile, or was made already.
bool DriveWatcher::CreateEntry(int driveNumber) {
    if (!(DriveMask >> driveNumber & 1) || FindDriveEntry(Letter(driveNumber)) >= 0) return true;
    auto drive = std::make_unique<TrayItem>();
    drive->Path = Root(driveNumber);
    drive->Kind = static_cast<TrayItemKind>(system_.DriveType(drive->Path));
    std::string displayName;
    SharedIcon icon =
        GetDisplayNameAndIcon(system_, icons_.Pictures, drive->Path, displayName, false);
    if (!icon) return false;
    TrayItem& added = icons_.Append(icons_.Drives, std::move(drive), displayName, std::move(icon));
    if (IsDriveShown(added)) AddTrayIcon(icons_.Area(), added);
    return true;
}

// Forgotten before the icons move: the shell's calls let a new notice for it in meanwhile, which
// then counts as the drive's arrival.
void DriveWatcher::RemoveEntry(int driveNumber) {
    const int p = FindDriveEntry(Letter(driveNumber));
    DriveMask &= ~(1u << driveNumber);
    if (p >= 0) icons_.RemoveItem(icons_.Drives, p);
}

// The state is settled before the box, whose loop runs the program's messages. A drive never
// made is forgotten, so that it can arrive again.
void DriveWatcher::GiveUp(DriveSchedule::Task task) {
    retries_ = 0;
    if (task.What == Work::Create && schedule_.Pending(task.Letter) == Work::None &&
        FindDriveEntry(Letter(task.Letter)) < 0)
        DriveMask &= ~(1u << task.Letter);
    MessageWithBeep(system_,
                    "Erreur : Après 10 essais, il est toujours impossible de trouver le nom du "
                    "fichier et/ou son icone.\nL'unité " +
                        Root(task.Letter) +
                        " ne sera pas disponible en icone (Vossik n'essaye plus)",
                    MessageKind::Error);
}
