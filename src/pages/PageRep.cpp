#include "pages/EntryLists.h"

// Frequent folders: the list, its shortcut name and the buttons that edit it.
FoldersPage::FoldersPage(ui::Control& pages, const TrayItemList& folders)
    : ui::Page(&pages, "PageRep"), folders_(folders) {
    SetCaption(" Dossiers fréquents ");

    ActiverRep.Place({15, 10, 166, 17}, "&Afficher les dossiers",
                     "Cocher pour afficher les icones 'dossiers' dans la barre");
    ActiverRep.SetChecked(true);

    TypeOuvertureRep.Place({210, 10, 185, 96}, " Type d'ouverture ");

    RBNormalRep.Place({15, 20, 161, 17}, "&Normal",
                      "Ouverture Normale (une fenêtre par répertoire ...)");
    RBNormalRep.SetChecked(true);

    RBExplorerREp.Place({15, 45, 161, 17}, "&Explorateur",
                        "Ouverture avec l'Explorateur (arborescence sur la gauche)");

    CBRacineRep.Place(
        {15, 70, 161, 17}, "Afficher en tant que &racine",
        "Cocher pour ne pas pouvoir remonter au-dessus du répoertoire choisi (arborescence moins "
        "grande)");
    CBRacineRep.SetChecked(true);

    // Lines are drawn with the folder's icon, so they are taller than the text.
    ListeRep.Place({15, 30, 166, 130});
    ListeRep.SetItemHeight(18);

    NomRepLbl.Place({210, 124, 75, 13}, "Nom raccourci :");
    NomRepLbl.SetFocusControl(&NomRep);

    // Only shows the selected folder's name; the name is typed in the folder picker.
    NomRep.Place({210, 139, 186, 21});
    NomRep.SetReadOnly(true);
    NomRep.SetTabStop(false);
    NomRep.SetBackColor(ui::syscolor::BtnFace);
    NomRep.SetMaxLength(64);

    AjouterRepBtn.Place({15, 170, 75, 23}, "Aj&outer", "Ajouter un répertoire à la liste");

    // Both act on the selected line, and nothing is selected yet.
    ModifierRepBtn.Place({168, 170, 75, 23}, "&Modifier",
                         "Modifier le répertoire sélectionné, et/ou son nom de raccourci");
    ModifierRepBtn.SetEnabled(false);

    EnleverRepBtn.Place(
        {321, 170, 75, 23}, "E&nlever",
        "Supprimer  le répertoire de la liste (effet immédiat dans la barre d'icônes)");
    EnleverRepBtn.SetEnabled(false);

    ActiverRep.OnClick = [this] { ActiverRepClick(); };
    WireEntryList(ListeRep, folders_, [this] { ListeRepClick(); });
}
