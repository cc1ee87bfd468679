#pragma once

#include "platform/System.h"
#include "ui/ImageList.h"
#include "ui/Menu.h"

// The menu of a right click on an icon, and the pictures of its items.
class ContextMenu {
public:
    explicit ContextMenu(System& system);

    // Nine pictures, in the items' order: shutdown, open, explore, search, properties from the
    // system, then configure, reorganise, quit and the tick of our own. A system picture that
    // cannot be had is replaced by the application's icon in its slot, without a word: the
    // start of a tray utility is no time for boxes.
    void BuildMenuImages(bool isWindowsXP);

    ui::PopupMenu MenuContext{"MenuContext"};
    ui::ImageList ImageList;
    ui::MenuItem MCRedemarrerWin{&MenuContext.Root(), "MCRedemarrerWin", "Redémarrer &Windows"};
    ui::MenuItem MCConfig{&MenuContext.Root(), "MCConfig", "&Configurer ..."};

private:
    System& system_;
};
