#pragma once

#include <span>
#include <string>

#include "platform/System.h"
#include "settings/Option.h"
#include "settings/SettingsFile.h"
#include "tray/TrayIconSet.h"
#include "ui/Lists.h"

// The settings file: the options of a table, and the folder and quick-launch lists of the icon
// set with the list boxes that show them (line k for record k).
struct EntryLines {
    ui::ListBox& Folders;
    ui::ListBox& Launches;
};

// Every value goes into its control as the user would put it there, so the control's handler runs
// exactly when the value changes its state. A missing or unreadable file gives the defaults.
void LoadSettings(System& system, SettingsFile& file, std::span<const settings::Option> options,
                  TrayIconSet& icons, EntryLines lines);

enum class SaveResult {
    Saved,
    // The user chose to keep the file as it is, or would have been asked where no question may
    // be: nothing written, and nothing went wrong.
    Kept,
    // Nothing written: the question about replacing the file could not show beside another box,
    // and a box that waits its turn says so. Not the user's choice.
    Unasked,
    // Nothing written, after the error box.
    Failed,
};

// Writes every option and both lists into the file, keeping every line it does not own. Fails,
// after the error box titled `errorTitle` (its text after `failureLeadIn`), when the file could
// not be read whole or written, or holds one of the program's sections in a form its reading
// missed. `mayAsk`: whether a question may wait for the user before a file changed behind the
// program's back is replaced.
SaveResult SaveSettings(System& system, SettingsFile& file, const std::string& errorTitle,
                        std::span<const settings::Option> options, const TrayIconSet& icons,
                        bool mayAsk = true, const std::string& failureLeadIn = {});
