#include "pages/EntryLists.h"

// Quick launch: the list of programs and documents and the buttons that edit it.
LaunchPage::LaunchPage(ui::Control& pages, const TrayItemList& launches)
    : ui::Page(&pages, "PageApp"), launches_(launches) {
    SetCaption(" Lancement rapide ");

    // Lines are drawn with the entry's icon, so they are taller than the text.
    ListeFich.Place({15, 30, 381, 130});
    ListeFich.SetItemHeight(18);

    ActiverExe.Place({15, 10, 381, 17}, "&Afficher les lancements rapides");
    ActiverExe.SetChecked(true);

    AjouterExeBtn.Place({15, 170, 75, 23}, "Aj&outer",
                        "Ajouter une application ou un document à la liste");

    // Both act on the selected line, and nothing is selected yet.
    ModifierExeBtn.Place({168, 170, 75, 23}, "&Modifier",
                         "Modifier l'application ou le document sélectionné");
    ModifierExeBtn.SetEnabled(false);

    EnleverExeBtn.Place(
        {321, 170, 75, 23}, "E&nlever",
        "Supprimer l'application ou le document de la liste (effet immédiat dans la barre "
        "d'icônes)");
    EnleverExeBtn.SetEnabled(false);

    ActiverExe.OnClick = [this] { ActiverExeClick(); };
    WireEntryList(ListeFich, launches_, [this] { ListeFichClick(); });
}
