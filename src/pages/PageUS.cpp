#include "pages/Pages.h"

// Drives: which kinds get an icon and how a drive opens.
DrivesPage::DrivesPage(ui::Control& pages) : ui::Page(&pages, "PageUS") {
    SetCaption(" Lecteurs ");

    ActiverUS.Place({15, 10, 166, 17}, "&Afficher les lecteurs",
                    "Cocher pour afficher les icones 'lecteurs' dans la barre");
    ActiverUS.SetChecked(true);

    MontrerTypeUS.Place({15, 40, 166, 146}, " Montrer : ");

    CBDisquette.Place({15, 20, 146, 17}, "Disques a&movibles",
                      "Cocher pour montrer le(s) disque(s) amovible(s)");
    CBDisquette.SetChecked(true);

    CBDD.Place({15, 45, 146, 17}, "Disques &fixes (durs)",
               "Cocher pour montrer le(s) disque(s) fixe(s)");
    CBDD.SetChecked(true);

    CBCD.Place({15, 70, 146, 17}, "&Lecteurs CD-Roms",
               "Cocher pour montrer le(s) lecteur(s) de CD-ROM(s)");
    CBCD.SetChecked(true);

    CBRam.Place({15, 95, 97, 17}, "Disques &virtuels",
                "Cocher pour montrer le(s) disque(s) virtuel(s)");
    CBRam.SetChecked(true);

    CBReseau.Place({15, 120, 97, 17}, "Disques &réseaux",
                   "Cocher pour montrer le(s) disque(s) réseau(x)");
    CBReseau.SetChecked(true);

    TypeOuvertureUS.Place({210, 10, 185, 96}, " Type d'ouverture ");

    RBNormalUS.Place({15, 20, 161, 17}, "&Normal",
                     "Ouverture Normale (une fenêtre par répertoire ...)");

    RBExplorerUS.Place({15, 45, 161, 17}, "&Explorateur",
                       "Ouverture avec l'Explorateur (arborescence sur la gauche)");
    RBExplorerUS.SetChecked(true);

    CBRacineUS.Place(
        {15, 70, 161, 17}, "Afficher en tant que &racine",
        "Cocher pour ne pas pouvoir remonter au poste de travail (arborescence moins grande)");

    Icone1.Place({210, 135, 32, 32});

    LabelVossik1.Place({245, 139, 151, 24}, "Vossik'");
    LabelVossik1.SetAlignment(ui::Alignment::Center);
    LabelVossik1.SetFont({"Arial", -21, true, true, ui::Black});

    ActiverUS.OnClick = [this] { ActiverUSClick(); };
}
