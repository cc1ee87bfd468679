#include "tray/TrayIcon.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "types/Messages.h"

namespace {

void CopyTip(NotifyIconData& data, const std::string& tip) {
    std::size_t length = std::min(tip.size(), nif::MaxTipLength);
    std::memcpy(data.szTip, tip.data(), length);
    std::memset(data.szTip + length, 0, sizeof data.szTip - length);
}

}  // namespace

bool NotificationArea::Send(NotifyCommand command, TrayItem& item) {
    item.IconData.hIcon = item.Icon.Get();
    ++shellCalls_;
    const bool done = system_.NotifyIcon(command, item.IconData);
    --shellCalls_;
    return done;
}

void FillIconData(TrayItem& item, WindowHandle window, std::uint32_t id, const std::string& tip,
                  SharedIcon icon) {
    item.Icon = std::move(icon);
    NotifyIconData& data = item.IconData;
    data.cbSize = nif::RecordSize;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = nif::All;
    data.uCallbackMessage = msg::TrayCallback;
    data.hIcon = item.Icon.Get();
    CopyTip(data, tip);
}

void PrepareIconChange(NotifyIconData& data, IconHandle icon, const std::string& tip,
                       bool changeTip) {
    data.cbSize = nif::RecordSize;
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
