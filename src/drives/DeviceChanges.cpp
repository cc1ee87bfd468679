#include <charconv>

#include "drives/DriveWatcher.h"
#include "drives/VolumeNotification.h"
#include "platform/MessageBox.h"
#include "tray/ShellInfo.h"
#include "tray/TrayIcon.h"
#include "ui/InputQuery.h"

namespace {

constexpr int MaxRetries = 10;
constexpr unsigned PauseBetweenPasses = 100;
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
    if (message.WParam == dbt::DeviceArrival) {
        DriveArrived(volume->UnitMask);
    } else {
        DriveRemoved(volume->UnitMask, volume->Flags);
    }
}

std::optional<int> DriveWatcher::NotifiedDrive(std::uint32_t unitMask) {
    std::optional<int> number = DriveNumber(unitMask);
    if (!number) InternalError("Erreur interne : unitée dans les choux");
    return number;
}

void DriveWatcher::DriveArrived(std::uint32_t unitMask) {
    std::optional<int> i = NotifiedDrive(unitMask);
    if (!i) return;
    if (DriveMask & unitMask) {
        int p = FindDriveEntry(Letter(*i));
        if (p < 0) {
            // A second notice within the delay: the creation already waiting will make it.
            if (!(CreationsDue & unitMask)) InternalError("Erreur interne : unitée inexistante");
            return;
        }
        TrayItem& drive = *icons_.Drives[p];
        drive.Kind = static_cast<TrayItemKind>(system_.DriveType(drive.Path));
        Post(msg::DriveRefreshMessage, *i, 1);
    } else {
        DriveMask |= unitMask;
        CreationsDue |= unitMask;
        Post(msg::DriveRefreshMessage, *i, 0);
    }
}

// A medium or network volume whose keep option is on stays, refreshed; anything else goes.
void DriveWatcher::DriveRemoved(std::uint32_t unitMask, std::uint8_t flags) {
    std::optional<int> i = NotifiedDrive(unitMask);
    if (!i || !(DriveMask & unitMask) || FindDriveEntry(Letter(*i)) < 0) return;
    bool kept = (aboutPage_.CBGarderCD.Checked() && flags == dbt::Media) ||
                (aboutPage_.CBGarderNet.Checked() && flags == dbt::Net);
    if (kept) {
        Post(msg::DriveRefreshMessage, *i, 1);
    } else {
        Post(msg::DriveRemoveMessage, *i, *i);
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

// The difference of two readings is right across the clock's wrap, where a deadline would not.
bool DriveWatcher::WaitRefreshDelay(bool pause) {
    const std::uint32_t start = system_.TickCount();
    do {
        application_.ProcessMessages();
        if (application_.Terminated()) return false;
        if (pause) system_.Sleep(PauseBetweenPasses);
    } while (system_.TickCount() - start <= RefreshDelay);
    return !application_.Terminated();
}

void DriveWatcher::DriveRefresh(std::uintptr_t driveNumber, std::intptr_t refresh) {
    if (driveNumber >= 32 || !WaitRefreshDelay(true)) return;
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
    }
    if (!refresh) CreationsDue &= ~(1u << i);
}

// A drive removed while its refresh waited is not brought back: that is done, not failed.
bool DriveWatcher::RefreshEntry(int driveNumber) {
    int p = FindDriveEntry(Letter(driveNumber));
    if (p < 0) return true;
    TrayItem& drive = *icons_.Drives[p];
    std::string displayName;
    OwnedIcon icon = GetDisplayNameAndIcon(system_, drive.Path, displayName, false);
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
    OwnedIcon icon = GetDisplayNameAndIcon(system_, drive->Path, displayName, false);
    if (!icon) return false;
    TrayItem& added = icons_.Append(icons_.Drives, std::move(drive), displayName, std::move(icon));
    if (IsDriveShown(added)) AddTrayIcon(system_, added);
    return true;
}

void DriveWatcher::DriveRemove(std::uintptr_t driveNumber, std::intptr_t bitToClear) {
    if (driveNumber >= 32 || !WaitRefreshDelay(false)) return;
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
