#pragma once

#include <cstdint>
#include <string>

#include "platform/System.h"
#include "tray/TrayRefusals.h"
#include "types/TrayItem.h"

// The notification area as our icons use it: every request goes out with the icon its record
// owns, is counted while the shell handles it, and what the shell refuses is told.
class NotificationArea {
public:
    explicit NotificationArea(System& system) : system_(system), refusals_(system) {}
    NotificationArea(const NotificationArea&) = delete;
    NotificationArea& operator=(const NotificationArea&) = delete;

    // True when the shell did as asked.
    bool Send(NotifyCommand command, TrayItem& item);
    // True while the shell handles one of our requests: the call lets messages sent to us in, in
    // the middle of whatever changes the icons.
    bool InShellCall() const { return shellCalls_ > 0; }
    TrayRefusals& Refusals() { return refusals_; }

private:
    System& system_;
    TrayRefusals refusals_;
    int shellCalls_ = 0;
};

// The record handed to the notification area, for an add: message, icon and tip. The item
// takes the icon over.
void FillIconData(TrayItem& item, WindowHandle window, std::uint32_t id, const std::string& tip,
                  SharedIcon icon);

// Sets the new icon, and the tip only when asked; window, id and message stay as they are.
void PrepareIconChange(NotifyIconData& data, IconHandle icon, const std::string& tip,
                       bool changeTip);

// The record holds a share of its picture: a replaced one is let go once the shell has the new.
void ChangeTrayIcon(NotificationArea& area, TrayItem& item, SharedIcon icon, const std::string& tip,
                    bool changeTip);

// Not shown -> shown; nothing for a record already shown or whose target is missing.
void AddTrayIcon(NotificationArea& area, TrayItem& item);
// Only a shown icon is sent; a hidden one takes its new look at its next add.
void ModifyTrayIcon(NotificationArea& area, TrayItem& item);
// Always leaves the record not shown; the shell may already have lost the icon.
void RemoveTrayIcon(NotificationArea& area, TrayItem& item);
