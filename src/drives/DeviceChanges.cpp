#include <charconv>
#include <utility>

#include "drives/DriveWatcher.h"
#include "drives/VolumeNotification.h"
#include "platform/MessageBox.h"
#include "ui/InputQuery.h"

namespace {

constexpr int KeyControl = 0x11;  // VK_CONTROL
using Work = DriveSchedule::Work;

char Letter(int driveNumber) {
    return static_cast<char>('A' + driveNumber);
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

// The sender waits for this handler: it only notes what is due.
void DriveWatcher::DeviceChange(const WindowMessage& message) {
    if (!aboutPage_.CBActiverMAJ.Checked()) return;
    const bool arrival = message.WParam == dbt::DeviceArrival;
    if (!arrival && message.WParam != dbt::DeviceRemoveComplete) return;
    auto volume = DecodeVolumeBroadcast(reinterpret_cast<const void*>(message.LParam));
    if (!volume) return;
    const std::uint32_t letters = volume->UnitMask & AllDriveLetters;
    if (letters == 0) {
        TellUnitMaskError();
        return;
    }
    // One notice may name several drives (a disk with two partitions, network drives connected
    // together): each comes or goes on its own.
    for (int i = 0; i < DriveLetters; ++i) {
        if (!(letters >> i & 1)) continue;
        if (arrival) {
            DriveArrived(i);
        } else {
            DriveRemoved(i, volume->Flags);
        }
    }
    StartRefreshTimer();
}

// A known letter has an entry, or one waiting to be made that takes the news along. An arrival
// takes the place of a removal still due: the drive stays, and its refresh finds what kind of
// drive is on the letter now.
void DriveWatcher::DriveArrived(int driveNumber) {
    const std::uint32_t bit = 1u << driveNumber;
    if (!(DriveMask & bit)) {
        DriveMask |= bit;
        Due(driveNumber, Work::Create);
        return;
    }
    Due(driveNumber, FindDriveEntry(Letter(driveNumber)) < 0 ? Work::Create : Work::Refresh);
}

// A medium or network volume whose keep option is on stays, refreshed, unless the volume itself
// went before; anything else goes. A drive that goes before its entry was made is forgotten at
// once: it can come again.
void DriveWatcher::DriveRemoved(int driveNumber, std::uint8_t flags) {
    const std::uint32_t bit = 1u << driveNumber;
    if (!(DriveMask & bit)) return;
    const bool kept = (aboutPage_.CBGarderCD.Checked() && flags == dbt::Media) ||
                      (aboutPage_.CBGarderNet.Checked() && flags == dbt::Net);
    const bool made = FindDriveEntry(Letter(driveNumber)) >= 0;
    if (kept) {
        const bool gone = schedule_.Pending(driveNumber) == Work::Remove;
        Due(driveNumber, !made ? Work::Create : gone ? Work::Remove : Work::Refresh);
    } else if (made) {
        Due(driveNumber, Work::Remove);
    } else {
        DriveMask &= ~bit;
        schedule_.Clear(driveNumber);
    }
}

void DriveWatcher::Due(int driveNumber, Work what) {
    schedule_.Set(driveNumber, what, system_.TickCount());
}

int DriveWatcher::FindDriveEntry(char letter) const {
    for (std::size_t p = 0; p < icons_.Drives.size(); ++p) {
        if (!icons_.Drives[p]->Path.empty() && icons_.Drives[p]->Path.front() == letter)
            return static_cast<int>(p);
    }
    return -1;
}

std::uint32_t DriveWatcher::CreationsDue() const {
    return schedule_.Letters(Work::Create);
}

// Told once the notice has returned, so that its sender is not held while the box shows; one
// message waits at a time, however many such notices come.
void DriveWatcher::TellUnitMaskError() {
    if (std::exchange(unitMaskErrorPosted_, true)) return;
    system_.PostMessage(owner_.Handle(), msg::UnitMaskError, 0, 0);
}

// Another program's message of that number is not ours to answer.
void DriveWatcher::UnitMaskError() {
    if (!std::exchange(unitMaskErrorPosted_, false)) return;
    InternalError("Erreur interne : unitée dans les choux");
}

void DriveWatcher::GroupeMAJClick() {
    if (!system_.KeyDown(KeyControl)) return;
    std::string text = std::to_string(delay_.Seconds());
    if (!ui::InputQuery(
            "Délai de temporisation de la mise à jour",
            "Choisissez le nombre de secondes entre la notification et la mise à jour :", text))
        return;
    // The settings file takes no other value back.
    std::optional<int> seconds = WholeNumber(text);
    if (!seconds || !delay_.SetSeconds(*seconds)) {
        InternalError("'" + text + "' n'est pas une valeur entière correcte");
        return;
    }
    // What is due follows the new delay.
    StartRefreshTimer();
}

void DriveWatcher::InternalError(const std::string& text) {
    ShowHandlerError(system_, application_.Title(), text);
}
