#include "app/ConfigVossik.h"

void TConfigVossik::LayOut() {
    SetCaption("Configuration Vossik'");
    SetClientSize(428, 267);
    SetBorder(ui::BorderStyle::Single);
    SetFont({"MS Sans Serif", -11});

    Pages.Onglets.Place({5, 6, 417, 226});
    Pages.Onglets.SetActivePage(Pages.PageApp);

    OkBtn.Place({265, 238, 75, 23}, "Réduire",
                "Cliquer pour valider les modification ET cacher cette boîte de configuration");
    OkBtn.SetDefault(true);

    AppliquerBtn.Place({347, 238, 75, 23}, "Appliquer",
                       "Cliquer pour valider les modifications SANS cacher cette boîte");

    QuitterBtn.Place({5, 238, 75, 23}, "&Quitter",
                     "Cliquer pour sortir de cet utilitaire, pourtant indispensable");
}
