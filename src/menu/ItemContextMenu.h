#pragma once

#include <string>

#include "platform/System.h"

// What became of the shell's menu of an item: whether a command was carried out (or the menu
// closed without a choice), and whether the choice was to rename, which is left to the caller.
struct ItemMenuResult {
    bool Done = false;
    bool RenameChosen = false;
};

// Shows the shell's own context menu of a path at a screen point and carries out the command
// chosen. A path with wildcards in its last part stands for every entry of its folder that
// matches, all in one menu; one that matches nothing, or that the shell does not find, shows
// no menu and says nothing.
ItemMenuResult ShowItemContextMenu(System& system, const std::string& path, WindowHandle owner,
                                   int x, int y);
