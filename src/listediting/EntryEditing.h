#pragma once

#include <string>

#include "platform/System.h"
#include "tray/TrayIconSet.h"
#include "ui/Lists.h"

// What the folder and quick-launch lists share in their editing. Line k of a list box stands
// for record k of its list, always: both change together, before any message can show.

// True when the list can take one more entry; otherwise the user is told that it is full.
bool HasRoom(System& system, const TrayItemList& list, std::size_t limit,
             const std::string& fullText);

// Appends a record and its line, and selects the line.
void AppendEntry(TrayIconSet& icons, TrayItemList& list, ui::ListBox& lines,
                 std::unique_ptr<TrayItem> item, const std::string& line, const std::string& tip,
                 SharedIcon icon);

// Removes the selected entry and its line: the following ones move up, keeping their icons
// shown as they were, and the last position's icon goes. Nothing without a selection.
void RemoveSelectedEntry(TrayIconSet& icons, TrayItemList& list, ui::ListBox& lines);

// "&Oui" to a question, with the kind's sound.
bool Confirm(System& system, const std::string& question);

// False when the user declines to add a path that a line other than `excluded` already has, in
// any letter case.
bool ConfirmDuplicate(System& system, const ui::ListBox& lines, const std::string& path,
                      const std::string& kindWord, int excluded);
