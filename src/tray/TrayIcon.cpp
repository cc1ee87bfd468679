#include "tray/TrayIcon.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "tray/TrayRefusals.h"
#include "types/Messages.h"

namespace {

void CopyTip(NotifyIconData& data, const std::string& tip) {
    std::size_t length = std::min(tip.size(), nif::MaxTipLength);
    std::memcpy(data.szTip, tip.data(), length);
    std::memset(data.szTip + length, 0, sizeof data.szTip - length);
}

int shellCalls = 0;

// The record goes out with the icon the item owns now.
bool Send(System& system, NotifyCommand command, TrayItem& item) {
    item.IconData.hIcon = item.Icon.Get();
    ++shellCalls;
    const bool done = system.NotifyIcon(command, item.IconData);
    --shellCalls;
    return done;
}

}  // namespace

bool InShellCall() {
    return shellCalls > 0;
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

void ChangeTrayIcon(System& system, TrayItem& item, SharedIcon icon, const std::string& tip,
                    bool changeTip) {
    // The previous icon stays alive until the shell has the new one.
    SharedIcon previous = std::exchange(item.Icon, std::move(icon));
    PrepareIconChange(item.IconData, item.Icon.Get(), tip, changeTip);
    ModifyTrayIcon(system, item);
}

void AddTrayIcon(System& system, TrayItem& item) {
    if (item.Shown || item.Missing) return;
    // A change may have left the tip out of the flags; an add always sends all three.
    item.IconData.uFlags = nif::All;
    if (Send(system, NotifyCommand::Add, item)) {
        item.Shown = true;
        return;
    }
    TellRefusal(system, Refusal::Add, item.Tip());
}

void ModifyTrayIcon(System& system, TrayItem& item) {
    if (!item.Shown) return;
    if (Send(system, NotifyCommand::Modify, item)) return;
    TellRefusal(system, Refusal::Change, item.Tip());
}

void RemoveTrayIcon(System& system, TrayItem& item) {
    if (item.Shown) Send(system, NotifyCommand::Delete, item);
    item.Shown = false;
}
