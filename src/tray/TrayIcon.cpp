#include "tray/TrayIcon.h"

#include <algorithm>
#include <cstring>

#include "tray/MessageBox.h"
#include "types/Messages.h"

namespace {

void CopyTip(NotifyIconData& data, const std::string& tip) {
    std::size_t length = std::min(tip.size(), nif::MaxTipLength);
    std::memcpy(data.szTip, tip.data(), length);
    std::memset(data.szTip + length, 0, sizeof data.szTip - length);
}

}  // namespace

void FillIconData(NotifyIconData& data, WindowHandle window, std::uint32_t id,
                  const std::string& tip, IconHandle icon) {
    data.cbSize = nif::RecordSize;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = nif::All;
    data.uCallbackMessage = msg::TrayCallback;
    data.hIcon = icon;
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

void ChangeTrayIcon(System& system, TrayItem& item, IconHandle icon, const std::string& tip,
                    bool changeTip) {
    IconHandle previous = item.IconData.hIcon;
    PrepareIconChange(item.IconData, icon, tip, changeTip);
    ModifyTrayIcon(system, item);
    if (previous && previous != icon) system.DestroyIcon(previous);
}

void AddTrayIcon(System& system, TrayItem& item) {
    if (item.Shown || item.Missing) return;
    // A change may have left the tip out of the flags; an add always sends all three.
    item.IconData.uFlags = nif::All;
    if (system.NotifyIcon(NotifyCommand::Add, item.IconData)) {
        item.Shown = true;
        return;
    }
    MessageWithBeep(
        system, "La création de l'icône dans la barre de notification a échoué\r\n" + item.Tip(),
        MessageKind::Error);
}

void ModifyTrayIcon(System& system, TrayItem& item) {
    if (!item.Shown) return;
    if (system.NotifyIcon(NotifyCommand::Modify, item.IconData)) return;
    MessageWithBeep(
        system,
        "La modification de l'icône dans la barre de notification a échoué\r\n" + item.Tip(),
        MessageKind::Error);
}

void RemoveTrayIcon(System& system, TrayItem& item) {
    if (item.Shown) system.NotifyIcon(NotifyCommand::Delete, item.IconData);
    item.Shown = false;
}

void ReleaseTrayIcon(System& system, TrayItem& item) {
    if (item.IconData.hIcon) system.DestroyIcon(item.IconData.hIcon);
    item.IconData.hIcon = nullptr;
}
