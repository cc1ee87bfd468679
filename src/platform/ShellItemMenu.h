#pragma once

// The shell's own context menu of some items, as the shell made it for them; it goes with this
// object. Its commands are numbered from 1.
class ShellItemMenu {
public:
    virtual ~ShellItemMenu() = default;

    // Shows the menu at a screen point and returns once it has closed: the command chosen, 0
    // when none was.
    virtual unsigned Track(int x, int y) = 0;
    // Has the shell carry out one of the menu's commands; true when it did.
    virtual bool Invoke(unsigned command) = 0;
};
