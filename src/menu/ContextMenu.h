#pragma once

#include <array>
#include <functional>

#include "pages/Pages.h"
#include "platform/System.h"
#include "tray/TrayIconSet.h"
#include "types/IconId.h"
#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Menu.h"

// What only the main form can do, for the menu's commands.
struct MainFormCommands {
    std::function<void(TrayGroup, int)> SelectConfigEntry;
    std::function<void()> SaveSettings;
    std::function<void()> Reorganise;
    std::function<void()> Quit;
};

// The menu of a right press on an icon: its items, adapted to the icon each time it opens, its
// commands, its pictures and its drawing.
class ContextMenu {
public:
    ContextMenu(System& system, ui::Application& application, ui::Form& mainForm,
                ConfigPages& pages, TrayIconSet& icons, MainFormCommands commands);
    ContextMenu(const ContextMenu&) = delete;
    ContextMenu& operator=(const ContextMenu&) = delete;

    // Nine pictures at the icons' size, in the items' order: shutdown, open, explore, search,
    // properties from the system, then configure, reorganise, quit and the tick of our own. A
    // system picture that cannot be had is replaced by the application's icon in its slot,
    // without a word: the start of a tray utility is no time for boxes. Again when the size of
    // the icons changes.
    void BuildMenuImages();

    // The right press on an icon while the configuration window is hidden: the menu opens at
    // the cursor for that icon, and returns once it has closed. Nothing while it is open.
    void PopupFor(IconPosition icon);
    IconPosition Clicked() const { return clicked_; }

    void MenuContextPopup();
    void MCNomClick();
    void MCOuvrirClick(const ui::MenuItem& sender);
    void MCRechercherClick();
    void MCProprietesClick();
    void MCMAJIconesClick();
    void MCAfficherClick();
    void MCLecteursClick();
    void MCDossiersClick();
    void MCLancementsClick();
    void MCConfigClick();

    // Owner drawing: the name item bold on its pale band with the icon's picture, ticks as
    // pictures, every item 20 pixels high, and the title strip; under high contrast, the name
    // item and the strip in the menu's colours.
    void MenuContextGetItemParams(ui::MenuItem& item, ui::MenuItemParams& params);
    void MenuContextMeasureItem(ui::MenuItem& item, int& width, int& height);
    void MenuContextDrawMargin(ui::Canvas& canvas, const ui::Rect& strip);
    // The large title of the first page switches the strip off and on.
    void LabelVossik1Click();

    // The shutdown items offered call this with themselves; their Tag is the action code.
    std::function<void(ui::MenuItem&)> OnEteindre;

    ui::PopupMenu MenuContext{"MenuContext"};
    ui::ImageList ImageList;
    ui::MenuItem& Root() { return MenuContext.Root(); }
    ui::MenuItem MCNom{&Root(), "MCNom", ""};
    ui::MenuItem N2{&Root(), "N2", "-"};
    ui::MenuItem MCOuvrir{&Root(), "MCOuvrir", "&Ouvrir"};
    ui::MenuItem MCExplorer{&Root(), "MCExplorer", "E&xplorer"};
    ui::MenuItem MCRechercher{&Root(), "MCRechercher", "Rec&hercher ..."};
    ui::MenuItem MCProprietes{&Root(), "MCProprietes", "&Propriétés"};
    ui::MenuItem MCChangerNom{&Root(), "MCChangerNom", "&Terminer la session"};
    ui::MenuItem MCRedemarrerWin{&Root(), "MCRedemarrerWin", "Redémarrer &Windows"};
    ui::MenuItem MCRedemarrerPC{&Root(), "MCRedemarrerPC", "Redémarrer l'&ordinateur"};
    ui::MenuItem MCEteindre{&Root(), "MCEteindre", "&Eteindre"};
    ui::MenuItem N6{&Root(), "N6", "-"};
    ui::MenuItem MCReorganiser{&Root(), "MCReorganiser", "&Réorganiser"};
    ui::MenuItem MCMAJIcones{&Root(), "MCMAJIcones", "&Mise à jour des icônes"};
    ui::MenuItem MCAfficher{&Root(), "MCAfficher", "&Afficher"};
    ui::MenuItem MCLecteurs{&MCAfficher, "MCLecteurs", "Lecteurs"};
    ui::MenuItem MCDossiers{&MCAfficher, "MCDossiers", "Dossiers"};
    ui::MenuItem MCLancements{&MCAfficher, "MCLancements", "Lancements"};
    ui::MenuItem N7{&Root(), "N7", "-"};
    ui::MenuItem MCConfig{&Root(), "MCConfig", "&Configurer ..."};
    ui::MenuItem MCQuitter{&Root(), "MCQuitter", "&Quitter Vossik'"};

private:
    void SetUpItems();
    void SetUpDrawing();
    // Pixels of the drawing, designed for pictures of 16, at the pictures' size.
    int AtPictureSize(int pixels) const;
    void FollowPictureSize();
    // The record of the entry the menu was opened for, wherever it went since; null once the
    // entry is gone.
    TrayItem* ClickedItem();
    // Where that entry is now; position -1 once it is gone.
    IconPosition ClickedEntry();
    // Shows or hides a group from its menu item; refused when no icon would remain, by running
    // once more to flip back.
    void SwitchGroup(ui::MenuItem& item, ui::CheckBox& box, bool undoing = false);

    System& system_;
    ui::Application& application_;
    ui::Form& mainForm_;
    ConfigPages& pages_;
    TrayIconSet& icons_;
    MainFormCommands commands_;
    IconPosition clicked_;
    // Read as the menu opens: the name item and the strip then take the menu's own colours.
    bool highContrast_ = false;
    // The entry at that position when the menu opened: the commands act on it, not on whatever
    // a removal meanwhile moved into its place.
    std::uint32_t clickedEntry_ = 0;
    // Restarting Windows alone is never offered: only Windows 95, 98 and Me could, and this
    // program does not run on them. Its item stays hidden.
    const std::array<ui::MenuItem*, 3> offeredShutdowns_{&MCChangerNom, &MCRedemarrerPC,
                                                         &MCEteindre};
};
