#pragma once

#include <string>
#include <vector>

#include "types/NameGuid.h"
#include "types/TrayItem.h"

// Who an icon is to the shell of Windows 7 and later, which keeps by it whether the user shows
// the icon or leaves it in the overflow: a GUID named after the program's path, the icon's
// group, its entry's key (a drive's letter; a folder's path; a quick-launch entry's path and
// parameters; nothing more for the shutdown icon) and its occurrence, the number of records of
// the same key before it in its list. What the icon is, not where it is: nothing is stored, and
// a program moved elsewhere makes new ones.
Guid IconIdentity(const std::wstring& programPath, const TrayItem& item, int occurrence);

// The occurrence of each record of a list, by position.
std::vector<int> Occurrences(const TrayItemList& list);
