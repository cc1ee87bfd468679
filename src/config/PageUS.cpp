#include "config/Pages.h"

// Drives: which kinds get an icon and how a drive opens.
DrivesPage::DrivesPage(ui::Control& pages) : ui::Page(&pages, "PageUS") {
    SetCaption(" Lecteurs ");

    ActiverUS.SetBounds({15, 10, 166, 17});
    ActiverUS.SetCaption("&Afficher les lecteurs");
    ActiverUS.SetHint("Cocher pour afficher les icones 'lecteurs' dans la barre");
    ActiverUS.SetChecked(true);

    MontrerTypeUS.SetBounds({15, 40, 166, 146});
    MontrerTypeUS.SetCaption(" Montrer : ");
    MontrerTypeUS.SetTabStop(false);

    CBDisquette.SetBounds({15, 20, 146, 17});
    CBDisquette.SetCaption("Disques a&movibles");
    CBDisquette.SetHint("Cocher pour montrer le(s) disque(s) amovible(s)");
    CBDisquette.SetChecked(true);

    CBDD.SetBounds({15, 45, 146, 17});
    CBDD.SetCaption("Disques &fixes (durs)");
    CBDD.SetHint("Cocher pour montrer le(s) disque(s) fixe(s)");
    CBDD.SetChecked(true);

    CBCD.SetBounds({15, 70, 146, 17});
    CBCD.SetCaption("&Lecteurs CD-Roms");
    CBCD.SetHint("Cocher pour montrer le(s) lecteur(s) de CD-ROM(s)");
    CBCD.SetChecked(true);

    CBRam.SetBounds({15, 95, 97, 17});
    CBRam.SetCaption("Disques &virtuels");
    CBRam.SetHint("Cocher pour montrer le(s) disque(s) virtuel(s)");
    CBRam.SetChecked(true);

    CBReseau.SetBounds({15, 120, 97, 17});
    CBReseau.SetCaption("Disques &réseaux");
    CBReseau.SetHint("Cocher pour montrer le(s) disque(s) réseau(x)");
    CBReseau.SetChecked(true);

    TypeOuvertureUS.SetBounds({210, 10, 185, 96});
    TypeOuvertureUS.SetCaption(" Type d'ouverture ");
    TypeOuvertureUS.SetTabStop(false);

    RBNormalUS.SetBounds({15, 20, 161, 17});
    RBNormalUS.SetCaption("&Normal");
    RBNormalUS.SetHint("Ouverture Normale (une fenêtre par répertoire ...)");

    RBExplorerUS.SetBounds({15, 45, 161, 17});
    RBExplorerUS.SetCaption("&Explorateur");
    RBExplorerUS.SetHint("Ouverture avec l'Explorateur (arborescence sur la gauche)");
    RBExplorerUS.SetChecked(true);

    CBRacineUS.SetBounds({15, 70, 161, 17});
    CBRacineUS.SetCaption("Afficher en tant que &racine");
    CBRacineUS.SetHint(
        "Cocher pour ne pas pouvoir remonter au poste de travail (arborescence moins grande)");

    Icone1.SetBounds({210, 135, 32, 32});
    Icone1.SetTabStop(false);

    LabelVossik1.SetBounds({245, 139, 151, 24});
    LabelVossik1.SetCaption("Vossik'");
    LabelVossik1.SetAlignment(ui::Alignment::Center);
    LabelVossik1.SetFont({"Arial", -21, true, true, ui::Black});
    LabelVossik1.SetTabStop(false);
}
