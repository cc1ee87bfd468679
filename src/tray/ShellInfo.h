#pragma once

#include <string>

#include "platform/System.h"
#include "types/OwnedIcon.h"

// The shell's display name and small icon of a path. On failure the name is left as it was and
// the icon is null; the error box only when asked for.
OwnedIcon GetDisplayNameAndIcon(System& system, const std::string& path, std::string& displayName,
                                bool report);

// The same, the display name asked for only when `name` is empty: a stored name stands in for
// it, and the shell takes as long to find a name as to find the icon.
OwnedIcon GetIconAndMissingName(System& system, const std::string& path, std::string& name,
                                bool report);

// The shell's small icon of a path, or null after an error box. Wide, so that the program's own
// file is found in a folder of any name.
OwnedIcon GetSmallIcon(System& system, const std::wstring& path);

// A small icon from a group-icon resource of another module. Every failing step is reported and
// the following steps run on the null handle, so one bad module can give several boxes.
OwnedIcon LoadModuleIcon(System& system, const std::string& module, int resource);

// The same icon without a word: null as soon as a step fails.
OwnedIcon FindModuleIcon(System& system, const std::string& module, int resource);
