#pragma once

#include <string>

#include "platform/System.h"
#include "ui/ImageList.h"

// The shell's display name and small icon of a path. On failure the name is left as it was and
// the result is null; the error box only when asked for.
IconHandle GetDisplayNameAndIcon(System& system, const std::string& path, std::string& displayName,
                                 bool report);

// The shell's small icon of a path, or null after an error box.
IconHandle GetSmallIcon(System& system, const std::string& path);

// A small icon from a group-icon resource of another module. Every failing step is reported and
// the following steps run on the null handle, so one bad module can give several boxes.
IconHandle LoadModuleIcon(System& system, const std::string& module, int resource);

// Appends a copy of that icon to the list; the loaded icon is destroyed.
void AddModuleIcon(System& system, ui::ImageList& list, const std::string& module, int resource);
