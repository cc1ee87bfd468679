#pragma once

#include <string>

#include "platform/System.h"
#include "types/IconId.h"
#include "types/TrayItem.h"

// Starts the file manager of the Windows folder on a path: its quoted full path and a blank,
// then "/e," for the explorer view and "/root," for a rooted view, then the path, unquoted.
void OpenInExplorer(System& system, const std::string& path, bool explorerView, bool asRoot);

// Lets the shell "open" a file, program, document or address; parameters are never missing,
// only empty.
void ShellOpen(System& system, WindowHandle owner, const std::string& file,
               const std::string& parameters);

// How the file manager shows a drive or a folder of its group.
struct OpeningOptions {
    bool ExplorerView = false;
    bool AsRoot = false;
};

// Opens what an icon stands for: a drive or folder in the file manager, a quick-launch entry
// through the shell with its parameters. Nothing for the shutdown icon.
void OpenItem(System& system, WindowHandle owner, TrayGroup group, const TrayItem& item,
              OpeningOptions options);
