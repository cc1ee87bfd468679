#include "tray/TrayIcon.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "tray/IconIdentity.h"
#include "types/Messages.h"

namespace {

bool FromWindows7(SystemVersion version) {
    return version.Major > 6 || (version.Major == 6 && version.Minor >= 1);
}

void CopyTip(NotifyIconData& data, const std::string& tip) {
    std::size_t length = std::min(tip.size(), nif::MaxTipLength);
    std::memcpy(data.szTip, tip.data(), length);
    std::memset(data.szTip + length, 0, sizeof data.szTip - length);
}

}  // namespace

NotificationArea::NotificationArea(System& system, OccurrenceRule occurrence)
    : system_(system),
      refusals_(system),
      occurrence_(std::move(occurrence)),
      fullRecord_(FromWindows7(system.Version())) {
    if (fullRecord_) programPath_ = system.ExecutablePath();
}

Guid NotificationArea::DueIdentity(const TrayItem& item) const {
    if (!fullRecord_) return {};
    const Guid due = IconIdentity(programPath_, item, occurrence_ ? occurrence_(item) : 0);
    return std::find(refused_.begin(), refused_.end(), due) != refused_.end() ? Guid{} : due;
}

bool NotificationArea::Call(NotifyCommand command, const NotifyIconData& data) {
    ++shellCalls_;
    const bool done = system_.NotifyIcon(command, data);
    --shellCalls_;
    return done;
}

bool NotificationArea::Send(NotifyCommand command, TrayItem& item) {
    NotifyIconData& data = item.IconData;
    data.hIcon = item.Icon.Get();
    data.cbSize = fullRecord_ ? nif::FullLayoutSize : nif::FirstLayoutSize;
    if (command == NotifyCommand::Add) data.guidItem = DueIdentity(item);
    data.uFlags =
        data.guidItem.IsNil() ? data.uFlags & ~nif::GuidItem : data.uFlags | nif::GuidItem;
    if (Call(command, data)) return true;
    if (command != NotifyCommand::Add || data.guidItem.IsNil()) return false;
    // The shell keeps that identity for another path (this program under another name), or an
    // icon lost by an earlier run still holds it: the icon goes without one from now on.
    const Guid refused = std::exchange(data.guidItem, Guid{});
    data.uFlags &= ~nif::GuidItem;
    if (!Call(command, data)) return false;
    refused_.push_back(refused);
    return true;
}

void FillIconData(TrayItem& item, WindowHandle window, std::uint32_t id, const std::string& tip,
                  SharedIcon icon) {
    item.Icon = std::move(icon);
    NotifyIconData& data = item.IconData;
    data.cbSize = nif::FirstLayoutSize;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = nif::All;
    data.uCallbackMessage = msg::TrayCallback;
    data.hIcon = item.Icon.Get();
    CopyTip(data, tip);
}

void PrepareIconChange(NotifyIconData& data, IconHandle icon, const std::string& tip,
                       bool changeTip) {
    data.cbSize = nif::FirstLayoutSize;
    data.uFlags = nif::Message | nif::Icon;
    data.hIcon = icon;
    if (changeTip) {
        data.uFlags = nif::All;
        CopyTip(data, tip);
    }
}

void ChangeTrayIcon(NotificationArea& area, TrayItem& item, SharedIcon icon, const std::string& tip,
                    bool changeTip) {
    // The previous icon stays alive until the shell has the new one.
    SharedIcon previous = std::exchange(item.Icon, std::move(icon));
    PrepareIconChange(item.IconData, item.Icon.Get(), tip, changeTip);
    ModifyTrayIcon(area, item);
}

void AddTrayIcon(NotificationArea& area, TrayItem& item) {
    if (item.Shown || item.Missing) return;
    // A change may have left the tip out of the flags; an add always sends all three.
    item.IconData.uFlags = nif::All;
    if (area.Send(NotifyCommand::Add, item)) {
        item.Shown = true;
        return;
    }
    area.Refusals().Tell(Refusal::Add, item.Tip());
}

void ModifyTrayIcon(NotificationArea& area, TrayItem& item) {
    if (!item.Shown) return;
    if (area.Send(NotifyCommand::Modify, item)) return;
    area.Refusals().Tell(Refusal::Change, item.Tip());
}

void RemoveTrayIcon(NotificationArea& area, TrayItem& item) {
    if (item.Shown) area.Send(NotifyCommand::Delete, item);
    item.Shown = false;
}
