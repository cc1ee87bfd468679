#include "config/Pages.h"

// Quick launch: the list of programs and documents and the buttons that edit it.
LaunchPage::LaunchPage(ui::Control& pages) : ui::Page(&pages, "PageApp") {
    SetCaption(" Lancement rapide ");

    // Lines are drawn with the entry's icon, so they are taller than the text.
    ListeFich.SetBounds({15, 30, 381, 130});
    ListeFich.SetItemHeight(18);

    ActiverExe.SetBounds({15, 10, 381, 17});
    ActiverExe.SetCaption("&Afficher les lancements rapides");
    ActiverExe.SetChecked(true);

    AjouterExeBtn.SetBounds({15, 170, 75, 23});
    AjouterExeBtn.SetCaption("Aj&outer");
    AjouterExeBtn.SetHint("Ajouter une application ou un document à la liste");

    // Both act on the selected line, and nothing is selected yet.
    ModifierExeBtn.SetBounds({168, 170, 75, 23});
    ModifierExeBtn.SetCaption("&Modifier");
    ModifierExeBtn.SetHint("Modifier l'application ou le document sélectionné");
    ModifierExeBtn.SetEnabled(false);

    EnleverExeBtn.SetBounds({321, 170, 75, 23});
    EnleverExeBtn.SetCaption("E&nlever");
    EnleverExeBtn.SetHint(
        "Supprimer l'application ou le document de la liste (effet immédiat dans la barre "
        "d'icônes)");
    EnleverExeBtn.SetEnabled(false);
}
