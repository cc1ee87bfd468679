#include <charconv>

#include "drives/DriveWatcher.h"
#include "drives/VolumeNotification.h"
#include "platform/MessageBox.h"
#include "tray/ShellInfo.h"
#include "tray/TrayIcon.h"
#include "ui/InputQuery.h"

namespace {

constexpr int MaxRetries = 10;
constexpr int KeyControl = 0x11;  // VK_CONTROL

char Letter(int driveNumber) {
    return static_cast<char>('A' + driveNumber);
}

std::string Root(int driveNumber) {
    return std::string(1, Letter(driveNumber)) + ":\\";
}

// A whole number, sign allowed, as the delay prompt takes it; nothing for any other text.
std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data() + (text.starts_with('+') ? 1 : 0), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

void DriveWatcher::DeviceChange(const WindowMessage& message) {
    if (!aboutPage_.CBActiverMAJ.Checked()) return;
    if (message.WParam != dbt::DeviceArrival && message.WParam != dbt::DeviceRemoveComplete) return;
    auto volume = DecodeVolumeBroadcast(reinterpret_cast<const void*>(message.LParam));
    if (!volume) return;
    if (volume->UnitMask == 0) {
        InternalError("Erreur interne : unitée dans les choux");
        return;
    }
    // One notice may name several drives (a disk with two partitions, network drives connected
    // together): each comes or goes on its own. Their messages are posted from the last letter
    // to the first: each is taken up during the wait of the one posted before it, so they take
    // effect in the reverse order of their posting, which is letter order.
    for (int i = 31; i >= 0; --i) {
        if (!(volume->UnitMask >> i & 1)) continue;
        if (message.WParam == dbt::DeviceArrival) {
            DriveArrived(i);
        } else {
            DriveRemoved(i, volume->Flags);
        }
    }
}

// A known letter has an entry, or one waiting to be made that will take the news along.
void DriveWatcher::DriveArrived(int driveNumber) {
    const std::uint32_t bit = 1u << driveNumber;
    // Back before its removal was handled: the removal is void.
    RemovalsDue &= ~bit;
    if (!(DriveMask & bit)) {
        DriveMask |= bit;
        CreationsDue |= bit;
        Post(msg::DriveRefreshMessage, driveNumber, 0);
        return;
    }
    int p = FindDriveEntry(Letter(driveNumber));
    if (p < 0) return;
    TrayItem& drive = *icons_.Drives[p];
    drive.Kind = static_cast<TrayItemKind>(system_.DriveType(drive.Path));
    Post(msg::DriveRefreshMessage, driveNumber, 1);
}

// A medium or network volume whose keep option is on stays, refreshed; anything else goes. A
// drive that goes before its entry was made is forgotten at once: it can come again.
void DriveWatcher::DriveRemoved(int driveNumber, std::uint8_t flags) {
    const std::uint32_t bit = 1u << driveNumber;
    if (!(DriveMask & bit)) return;
    const bool kept = (aboutPage_.CBGarderCD.Checked() && flags == dbt::Media) ||
                      (aboutPage_.CBGarderNet.Checked() && flags == dbt::Net);
    const bool made = FindDriveEntry(Letter(driveNumber)) >= 0;
    if (kept) {
        if (made) Post(msg::DriveRefreshMessage, driveNumber, 1);
    } else if (!made) {
        DriveMask &= ~bit;
        CreationsDue &= ~bit;
    } else {
        RemovalsDue |= bit;
        Post(msg::DriveRemoveMessage, driveNumber, driveNumber);
    }
}

int DriveWatcher::FindDriveEntry(char letter) const {
    for (std::size_t p = 0; p < icons_.Drives.size(); ++p) {
        if (!icons_.Drives[p]->Path.empty() && icons_.Drives[p]->Path.front() == letter)
            return static_cast<int>(p);
    }
    return -1;
}

void DriveWatcher::Post(unsigned message, int driveNumber, std::intptr_t lParam) {
    system_.PostMessage(owner_.Handle(), message, static_cast<std::uintptr_t>(driveNumber), lParam);
}

// The queue is served as messages come, and the thread sleeps in between. The difference of two
// readings is right across the clock's wrap, where a deadline would not be.
bool DriveWatcher::WaitRefreshDelay() {
    const std::uint32_t start = system_.TickCount();
    for (;;) {
        application_.ProcessMessages();
        if (application_.Terminated()) return false;
        const std::uint32_t elapsed = system_.TickCount() - start;
        if (elapsed > RefreshDelay) return true;
        system_.WaitForMessages(RefreshDelay - elapsed + 1);
    }
}

void DriveWatcher::DriveRefresh(std::uintptr_t driveNumber, std::intptr_t refresh) {
    if (driveNumber >= 32 || !WaitRefreshDelay()) return;
    const int i = static_cast<int>(driveNumber);
    bool done = refresh ? RefreshEntry(i) : CreateEntry(i);
    if (done) {
        RefreshRetries = 0;
    } else if (RefreshRetries <= MaxRetries) {
        ++RefreshRetries;
        Post(msg::DriveRefreshMessage, i, refresh);
        return;
    } else {
        int p = FindDriveEntry(Letter(i));
        std::string name = refresh && p >= 0 ? icons_.Drives[p]->Path : Root(i);
        MessageWithBeep(system_,
                        "Erreur : Après 10 essais, il est toujours impossible de trouver le nom du "
                        "fichier et/ou son icone.\nL'unité " +
                            name + " ne sera pas disponible en icone (Vossik n'essaye plus)",
                        MessageKind::Error);
        RefreshRetries = 0;
        // A drive given up is forgotten, so that it can arrive again.
        if (!refresh && FindDriveEntry(Letter(i)) < 0) DriveMask &= ~(1u << i);
    }
    if (!refresh) CreationsDue &= ~(1u << i);
}

// A drive removed while its refresh waited is not brought back: that is done, not failed.
bool DriveWatcher::RefreshEntry(int driveNumber) {
    int p = FindDriveEntry(Letter(driveNumber));
    if (p < 0) return true;
    TrayItem& drive = *icons_.Drives[p];
    std::string displayName;
    SharedIcon icon =
        GetDisplayNameAndIcon(system_, icons_.Pictures, drive.Path, displayName, false);
    if (!icon) return false;
    ChangeTrayIcon(system_, drive, std::move(icon), displayName, drive.Tip() != displayName);
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
    if (IsDriveShown(added)) AddTrayIcon(system_, added);
    return true;
}

void DriveWatcher::DriveRemove(std::uintptr_t driveNumber, std::intptr_t bitToClear) {
    if (driveNumber >= 32 || !WaitRefreshDelay()) return;
    // Back during the wait: it stays, and its arrival's own message refreshes it.
    const std::uint32_t bit = 1u << driveNumber;
    if (!(RemovalsDue & bit)) return;
    RemovalsDue &= ~bit;
    int p = FindDriveEntry(Letter(static_cast<int>(driveNumber)));
    // Forgotten before the icons move: the shell's calls let a new notice for it in meanwhile.
    DriveMask &= ~(1u << (static_cast<std::uint32_t>(bitToClear) % 32));
    if (p >= 0) icons_.RemoveItem(icons_.Drives, p);
}

void DriveWatcher::GroupeMAJClick() {
    if (!system_.KeyDown(KeyControl)) return;
    std::string text = std::to_string(RefreshDelay / 1000);
    if (!ui::InputQuery(
            "Délai de temporisation de la mise à jour",
            "Choisissez le nombre de secondes entre la notification et la mise à jour :", text))
        return;
    // The settings file takes no other value back.
    std::optional<int> seconds = WholeNumber(text);
    if (!seconds || *seconds < 0 || *seconds > MaxRefreshDelaySeconds) {
        InternalError("'" + text + "' n'est pas une valeur entière correcte");
        return;
    }
    RefreshDelay = RefreshDelayOfSeconds(*seconds);
}

void DriveWatcher::InternalError(const std::string& text) {
    ShowHandlerError(system_, application_.Title(), text);
}
