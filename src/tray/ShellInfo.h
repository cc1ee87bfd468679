#pragma once

#include <string>

#include "platform/System.h"
#include "tray/IconCache.h"
#include "types/SharedIcon.h"

// Pictures of paths are shared by every path whose icon the shell takes from the same file and
// index: all folders show one folder picture. A picture read `Afresh` is fetched again from its
// file, which may have changed (a program updated, another disc in the drive); the icons that
// share the former one keep it until they are read afresh in their turn.
enum class PictureRead { Shared, Afresh };

// The shell's display name and small icon of a path. On failure the name is left as it was and
// the icon is empty; the error box only when asked for.
SharedIcon GetDisplayNameAndIcon(System& system, IconCache& pictures, const std::string& path,
                                 std::string& displayName, bool report,
                                 PictureRead read = PictureRead::Shared);

// The same, the display name asked for only when `name` is empty: a stored name stands in for
// it, and the shell takes as long to find a name as to find the icon.
SharedIcon GetIconAndMissingName(System& system, IconCache& pictures, const std::string& path,
                                 std::string& name, bool report);

// The shell's small icon of a path, or empty after an error box. Wide, so that the program's own
// file is found in a folder of any name.
SharedIcon GetSmallIcon(System& system, IconCache& pictures, const std::wstring& path,
                        PictureRead read = PictureRead::Shared);

// A small icon from a group-icon resource of another module. Every failing step is reported and
// the following steps run on the null handle, so one bad module can give several boxes.
SharedIcon LoadModuleIcon(System& system, IconCache& pictures, const std::string& module,
                          int resource);

// The same icon without a word: empty as soon as a step fails.
SharedIcon FindModuleIcon(IconCache& pictures, const std::string& module, int resource);
