#pragma once

#include <vector>

#include "pages/Pages.h"
#include "settings/Option.h"

// Every option the settings file keeps, one row each in the order of the file: its section and
// key, the control that holds it (or the drive watcher's refresh delay), its default and range.
std::vector<settings::Option> StoredOptions(ConfigPages& pages, RefreshDelay& refreshDelay);
