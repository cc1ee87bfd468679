#pragma once

#include <span>
#include <string>

#include "platform/System.h"
#include "settings/Option.h"
#include "tray/TrayIconSet.h"
#include "ui/Lists.h"

// The settings file at `path`: the options of a table, and the folder and quick-launch lists of
// the icon set with the list boxes that show them (line k for record k).
struct EntryLines {
    ui::ListBox& Folders;
    ui::ListBox& Launches;
};

// Every value goes into its control as the user would put it there, so the control's handler runs
// exactly when the value changes its state. A missing or unreadable file gives the defaults.
void LoadSettings(System& system, const std::wstring& path,
                  std::span<const settings::Option> options, TrayIconSet& icons, EntryLines lines);

// Writes every option and both lists into the file, keeping every line it does not own. False,
// after the error box titled `errorTitle`, when the file could not be read whole or written.
bool SaveSettings(System& system, const std::wstring& path, const std::string& errorTitle,
                  std::span<const settings::Option> options, const TrayIconSet& icons);
