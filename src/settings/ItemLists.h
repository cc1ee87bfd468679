#pragma once

#include <cstddef>
#include <string>

#include "platform/System.h"
#include "settings/ProfileFile.h"
#include "tray/TrayIconSet.h"
#include "ui/Lists.h"

// The folder and quick-launch lists as the settings file keeps them: a count, then per entry n
// its path, its shortcut name and its parameters.

// A line of the quick-launch list: the label, then the command line and its parameters in
// parentheses. The blank before the closing parenthesis stays when there are no parameters.
std::string ListText(const std::string& label, const TrayItem& item);

// A list's entries in the order of their numbers, a record and a line each. Only the entries
// numbered below the count are read, those without a path are skipped, and at most `capacity`
// are read: false when more are left in the file, where they stay.
bool LoadItemList(System& system, const ProfileFile& file, const char* section, ui::ListBox& lines,
                  TrayItemKind kind, std::size_t capacity, TrayIconSet& icons, TrayItemList& list);

// The entries renumbered from 0; the file keeps entries past the new count.
void SaveItemList(ProfileFile& file, const char* section, const TrayItemList& list,
                  bool withParameters);
