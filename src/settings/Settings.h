#pragma once

#include <string>

#include "config/Pages.h"
#include "platform/System.h"
#include "tray/TrayIconSet.h"

// The settings file at `path` and the options it keeps: the controls of the pages, the folder and
// quick-launch lists of the icon set, and the drive refresh delay (milliseconds).

// Every value goes into its control as the user would put it there, so the control's handler runs
// exactly when the value changes its state. A missing or unreadable file gives the defaults.
void LoadSettings(System& system, const std::wstring& path, ConfigPages& pages, TrayIconSet& icons,
                  unsigned& refreshDelay);

// Writes every option into the file, keeping every line it does not own. False, after the error
// box titled `errorTitle`, when the file could not be read whole or written.
bool SaveSettings(System& system, const std::wstring& path, const std::string& errorTitle,
                  const ConfigPages& pages, const TrayIconSet& icons, unsigned refreshDelay);

// The shortcut name that the file holds for entry `entry` of a section; the parameters mark
// alone when it holds none.
std::string ReadStoredShortcutName(System& system, const std::wstring& path,
                                   const std::string& section, int entry);
