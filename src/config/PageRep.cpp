#include "config/Pages.h"

// Frequent folders: the list, its shortcut name and the buttons that edit it.
FoldersPage::FoldersPage(ui::Control& pages) : ui::Page(&pages, "PageRep") {
    SetCaption(" Dossiers fréquents ");

    ActiverRep.SetBounds({15, 10, 166, 17});
    ActiverRep.SetCaption("&Afficher les dossiers");
    ActiverRep.SetHint("Cocher pour afficher les icones 'dossiers' dans la barre");
    ActiverRep.SetChecked(true);

    TypeOuvertureRep.SetBounds({210, 10, 185, 96});
    TypeOuvertureRep.SetCaption(" Type d'ouverture ");
    TypeOuvertureRep.SetTabStop(false);

    RBNormalRep.SetBounds({15, 20, 161, 17});
    RBNormalRep.SetCaption("&Normal");
    RBNormalRep.SetHint("Ouverture Normale (une fenêtre par répertoire ...)");
    RBNormalRep.SetChecked(true);

    RBExplorerREp.SetBounds({15, 45, 161, 17});
    RBExplorerREp.SetCaption("&Explorateur");
    RBExplorerREp.SetHint("Ouverture avec l'Explorateur (arborescence sur la gauche)");

    CBRacineRep.SetBounds({15, 70, 161, 17});
    CBRacineRep.SetCaption("Afficher en tant que &racine");
    CBRacineRep.SetHint(
        "Cocher pour ne pas pouvoir remonter au-dessus du répoertoire choisi (arborescence moins "
        "grande)");
    CBRacineRep.SetChecked(true);

    // Lines are drawn with the folder's icon, so they are taller than the text.
    ListeRep.SetBounds({15, 30, 166, 130});
    ListeRep.SetItemHeight(18);

    NomRepLbl.SetBounds({210, 124, 75, 13});
    NomRepLbl.SetCaption("Nom raccourci :");
    NomRepLbl.SetFocusControl(&NomRep);
    NomRepLbl.SetTabStop(false);

    // Only shows the selected folder's name; the name is typed in the folder picker.
    NomRep.SetBounds({210, 139, 186, 21});
    NomRep.SetReadOnly(true);
    NomRep.SetTabStop(false);
    NomRep.SetBackColor(ui::syscolor::BtnFace);
    NomRep.SetMaxLength(64);

    AjouterRepBtn.SetBounds({15, 170, 75, 23});
    AjouterRepBtn.SetCaption("Aj&outer");
    AjouterRepBtn.SetHint("Ajouter un répertoire à la liste");

    // Both act on the selected line, and nothing is selected yet.
    ModifierRepBtn.SetBounds({168, 170, 75, 23});
    ModifierRepBtn.SetCaption("&Modifier");
    ModifierRepBtn.SetHint("Modifier le répertoire sélectionné, et/ou son nom de raccourci");
    ModifierRepBtn.SetEnabled(false);

    EnleverRepBtn.SetBounds({321, 170, 75, 23});
    EnleverRepBtn.SetCaption("E&nlever");
    EnleverRepBtn.SetHint(
        "Supprimer  le répertoire de la liste (effet immédiat dans la barre d'icônes)");
    EnleverRepBtn.SetEnabled(false);
}
