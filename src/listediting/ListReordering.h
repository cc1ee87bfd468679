#pragma once

#include "pages/Pages.h"
#include "tray/TrayIconSet.h"
#include "ui/Menu.h"

// Moving the selected entry of either list one place up or down, with the lists' small menu or
// Ctrl and the arrows. The two entries trade places in the list and in the notification area:
// the icons keep their places and trade pictures and tips.
class ListReordering {
public:
    ListReordering(ConfigPages& pages, TrayIconSet& icons);

    void ContextHautBasPopup();
    void MCPlusHautClick();
    void MCPlusBasClick();
    // A key in either list; true when it was used up. Ctrl with an arrow always is, so that it
    // never moves the selection by itself at the ends of the list.
    bool EchangePlaceIcone(unsigned key, bool ctrl);

    ui::PopupMenu ContextHautBas{"ContextHautBas"};
    ui::MenuItem MCPlusHaut{&ContextHautBas.Root(), "MCPlusHaut", "Déplacer vers le &haut"};
    ui::MenuItem MCPlusBas{&ContextHautBas.Root(), "MCPlusBas", "Déplacer vers le &bas"};

private:
    // Exchanges the selected line with its neighbour at `step` (-1 up, +1 down).
    void MoveSelected(const ui::MenuItem& command, int step);

    ConfigPages& pages_;
    TrayIconSet& icons_;
    // The list the menu acts on: the one of the page shown (its list is the only one that can
    // have the focus); none on the other pages.
    ui::ListBox* target_ = nullptr;
};
