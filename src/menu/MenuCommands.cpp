#include "menu/ContextMenu.h"
#include "menu/ItemContextMenu.h"
#include "pages/CheckSomeIconShown.h"
#include "tray/Opening.h"
#include "types/PathParts.h"

void ContextMenu::MCNomClick() {
    const TrayItem* item = ClickedItem();
    if (!item || item->Path.empty() || clicked_.Group == TrayGroup::GroupShutdown) return;
    ui::Point cursor;
    system_.CursorPos(cursor.X, cursor.Y);
    // Whether the user chose to rename is of no use here: the record keeps its name.
    ShowItemContextMenu(system_, item->Path, mainForm_.Handle(), cursor.X, cursor.Y);
}

// "&Ouvrir" always opens the plain window and "E&xplorer" the explorer view: the page's view
// option only decides which of the two is the default.
void ContextMenu::MCOuvrirClick(const ui::MenuItem& sender) {
    const TrayItem* item = ClickedItem();
    if (!item) return;
    OpeningOptions options = pages_.OpeningFor(clicked_.Group);
    options.ExplorerView = &sender == &MCExplorer;
    OpenItem(system_, mainForm_.Handle(), clicked_.Group, *item, options);
}

// A quick-launch entry is searched in the folder that holds it.
void ContextMenu::MCRechercherClick() {
    const TrayItem* item = ClickedItem();
    if (!item || clicked_.Group == TrayGroup::GroupShutdown) return;
    std::string folder =
        clicked_.Group == TrayGroup::GroupLaunch ? FolderPart(item->Path) : item->Path;
    system_.ShellExecute(mainForm_.Handle(), "find", folder, "", "", ShowNormal);
}

void ContextMenu::MCProprietesClick() {
    const TrayItem* item = ClickedItem();
    if (!item || item->Path.empty() || clicked_.Group == TrayGroup::GroupShutdown) return;
    system_.ShellExecuteEx(mainForm_.Handle(), "properties", item->Path,
                           see::InvokeIdList | see::FlagNoUi);
}

void ContextMenu::MCMAJIconesClick() {
    MCMAJIcones.Checked = !MCMAJIcones.Checked;
    pages_.PageAPropos.CBActiverMAJ.SetChecked(MCMAJIcones.Checked);
    commands_.SaveSettings();
}

// The check boxes are the options: the ticks only mirror them.
void ContextMenu::MCAfficherClick() {
    MCLecteurs.Checked = pages_.PageUS.ActiverUS.Checked();
    MCDossiers.Checked = pages_.PageRep.ActiverRep.Checked();
    MCLancements.Checked = pages_.PageApp.ActiverExe.Checked();
}

void ContextMenu::MCLecteursClick() {
    SwitchGroup(MCLecteurs, pages_.PageUS.ActiverUS);
}

void ContextMenu::MCDossiersClick() {
    SwitchGroup(MCDossiers, pages_.PageRep.ActiverRep);
}

void ContextMenu::MCLancementsClick() {
    SwitchGroup(MCLancements, pages_.PageApp.ActiverExe);
}

// Flipping back restores what was shown when the menu opened, so the second check passes; it
// is still made only once, lest a group that never had an icon flip forever.
void ContextMenu::SwitchGroup(ui::MenuItem& item, ui::CheckBox& box, bool undoing) {
    item.Checked = !item.Checked;
    box.SetChecked(item.Checked);
    icons_.RefreshTrayIcons();
    if (undoing || CheckSomeIconShown(system_, icons_)) {
        commands_.SaveSettings();
        return;
    }
    SwitchGroup(item, box, true);
}

// The menu a right double click's first press opened goes when the window shows; its loop ends
// once this handler has returned to it. An entry gone meanwhile leaves its page without a line
// chosen.
void ContextMenu::MCConfigClick() {
    MenuContext.Close();
    const IconPosition entry = ClickedEntry();
    commands_.SelectConfigEntry(entry.Group, entry.Position);
    system_.SendMessage(mainForm_.Handle(), msg::Null, 0, 0);
    mainForm_.Show();
}
