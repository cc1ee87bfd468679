#include "tray/TrayIcon.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/MessageBox.h"
#include "types/Messages.h"

namespace {

void CopyTip(NotifyIconData& data, const std::string& tip) {
    std::size_t length = std::min(tip.size(), nif::MaxTipLength);
    std::memcpy(data.szTip, tip.data(), length);
    std::memset(data.szTip + length, 0, sizeof data.szTip - length);
}

int shellCalls = 0;

constexpr const char* AddRefused = "La création de l'icône dans la barre de notification a échoué";
constexpr const char* ChangeRefused =
    "La modification de l'icône dans la barre de notification a échoué";

// What the shell refused, by what was asked, with the tips of the icons concerned.
struct Refusals {
    std::vector<std::string> Adds;
    std::vector<std::string> Changes;
    bool Empty() const { return Adds.empty() && Changes.empty(); }
};

int openChanges = 0;
Refusals refused;
bool readdAwaited = false;

// One box for all: each kind's sentence, then the tips one per line.
void TellRefusals(System& system, const Refusals& refusals) {
    std::string text;
    auto tell = [&text](const char* what, const std::vector<std::string>& tips) {
        if (tips.empty()) return;
        if (!text.empty()) text += "\r\n\r\n";
        text += what;
        for (const std::string& tip : tips) text += "\r\n" + tip;
    };
    tell(AddRefused, refusals.Adds);
    tell(ChangeRefused, refusals.Changes);
    MessageWithBeep(system, text, MessageKind::Error);
}

// A shell without its taskbar refuses everything: the icons wait for "TaskBarCreated".
void Refused(System& system, std::vector<std::string> Refusals::*kind, const TrayItem& item) {
    if (readdAwaited || !system.TaskbarPresent()) return;
    if (openChanges > 0) {
        (refused.*kind).push_back(item.Tip());
        return;
    }
    Refusals one;
    (one.*kind).push_back(item.Tip());
    TellRefusals(system, one);
}

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

bool AwaitReadd() {
    return !std::exchange(readdAwaited, true);
}

void EndReaddWait() {
    readdAwaited = false;
}

TrayChange::TrayChange(System& system) : system_(system) {
    ++openChanges;
}

TrayChange::~TrayChange() {
    if (--openChanges > 0 || refused.Empty()) return;
    TellRefusals(system_, std::exchange(refused, {}));
}

void FillIconData(TrayItem& item, WindowHandle window, std::uint32_t id, const std::string& tip,
                  OwnedIcon icon) {
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

void ChangeTrayIcon(System& system, TrayItem& item, OwnedIcon icon, const std::string& tip,
                    bool changeTip) {
    // The previous icon stays alive until the shell has the new one.
    OwnedIcon previous = std::exchange(item.Icon, std::move(icon));
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
    Refused(system, &Refusals::Adds, item);
}

void ModifyTrayIcon(System& system, TrayItem& item) {
    if (!item.Shown) return;
    if (Send(system, NotifyCommand::Modify, item)) return;
    Refused(system, &Refusals::Changes, item);
}

void RemoveTrayIcon(System& system, TrayItem& item) {
    if (item.Shown) Send(system, NotifyCommand::Delete, item);
    item.Shown = false;
}
