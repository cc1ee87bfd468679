#pragma once

#include <cstdint>
#include <string>

#include "platform/System.h"
#include "types/TrayItem.h"

// The record handed to the notification area, for an add: message, icon and tip. The item
// takes the icon over.
void FillIconData(TrayItem& item, WindowHandle window, std::uint32_t id, const std::string& tip,
                  SharedIcon icon);

// Sets the new icon, and the tip only when asked; window, id and message stay as they are.
void PrepareIconChange(NotifyIconData& data, IconHandle icon, const std::string& tip,
                       bool changeTip);

// The record holds a share of its picture: a replaced one is let go once the shell has the new.
void ChangeTrayIcon(System& system, TrayItem& item, SharedIcon icon, const std::string& tip,
                    bool changeTip);

// Not shown -> shown; nothing for a record already shown or whose target is missing.
void AddTrayIcon(System& system, TrayItem& item);
// Only a shown icon is sent; a hidden one takes its new look at its next add.
void ModifyTrayIcon(System& system, TrayItem& item);
// Always leaves the record not shown; the shell may already have lost the icon.
void RemoveTrayIcon(System& system, TrayItem& item);

// True while the shell handles one of our requests: the call lets messages sent to us in, in
// the middle of whatever changes the icons.
bool InShellCall();
