#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/System.h"
#include "tray/TrayRefusals.h"
#include "types/TrayItem.h"

// The notification area as our icons use it: every request goes out with the icon its record
// owns, is counted while the shell handles it, and what the shell refuses is told. From
// Windows 7 on, each icon goes with an identity of its own (tray/IconIdentity.h) in the
// system's full record; before, the shell knows icons by window and id, from the first layout.
class NotificationArea {
public:
    // The occurrence of a record in its list (IconIdentity); without it, records stand alone.
    using OccurrenceRule = std::function<int(const TrayItem&)>;
    explicit NotificationArea(System& system, OccurrenceRule occurrence = {});
    NotificationArea(const NotificationArea&) = delete;
    NotificationArea& operator=(const NotificationArea&) = delete;

    // True when the shell did as asked. An add names the icon by the identity due to its
    // record; changes and deletes by the one it was added with.
    bool Send(NotifyCommand command, TrayItem& item);
    // The identity due to a record now: nil before Windows 7, or once the shell refused it.
    Guid DueIdentity(const TrayItem& item) const;
    // Whether the shell knows the record's icon by the identity due to it: false once the
    // entry moved in its list or its key changed.
    bool KnowsAsDue(const TrayItem& item) const {
        return item.IconData.guidItem == DueIdentity(item);
    }
    // True while the shell handles one of our requests: the call lets messages sent to us in, in
    // the middle of whatever changes the icons.
    bool InShellCall() const { return shellCalls_ > 0; }
    TrayRefusals& Refusals() { return refusals_; }

private:
    bool Call(NotifyCommand command, const NotifyIconData& data);

    System& system_;
    TrayRefusals refusals_;
    int shellCalls_ = 0;
    OccurrenceRule occurrence_;
    const bool fullRecord_;
    std::wstring programPath_;
    // Identities the shell keeps for another program's path: those icons go without one.
    std::vector<Guid> refused_;
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
