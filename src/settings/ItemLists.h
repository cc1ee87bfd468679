#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/System.h"
#include "settings/ProfileFile.h"
#include "tray/TrayIconSet.h"
#include "ui/Lists.h"

// The folder and quick-launch lists as the settings file keeps them: a count, then per entry n
// its path, its shortcut name and its parameters.

// A line of the quick-launch list: the label, then the command line and its parameters in
// parentheses. The blank before the closing parenthesis stays when there are no parameters.
std::string ListText(const std::string& label, const TrayItem& item);

// An entry as the file holds it, each value as stored.
struct StoredEntry {
    std::string Path, Name, Options;
};

// What loading a list left in the file.
struct ListLoad {
    // The whole entries past the list's capacity.
    std::vector<StoredEntry> PastCapacity;
    // The numbers of the entries it could not take whole: a value longer than a value may be,
    // or with characters Windows-1252 lacks.
    std::vector<int> LeftInFile;
    // The count was no number of entries, and the file held entries: they were read all the same.
    bool OddCount = false;
};

// A list's entries in the order of their numbers, a record and a line each. Only the entries
// numbered below the count are read (all of them when the count is no number of entries), those
// without a path are skipped, and at most `capacity` are read. What is not read stays in the
// file.
ListLoad LoadItemList(System& system, const ProfileFile& file, const char* section,
                      ui::ListBox& lines, TrayItemKind kind, std::size_t capacity,
                      TrayIconSet& icons, TrayItemList& list);

// The entries numbered from 0, past those the load could not take whole, then those it left
// past the capacity, so that every entry the file held stays under the count; the file keeps
// entries past the new count.
void SaveItemList(ProfileFile& file, const char* section, const TrayItemList& list,
                  const std::vector<StoredEntry>& pastCapacity, bool withParameters);
