#include "app/Vossik.h"

#include "app/ConfigVossik.h"
#include "config/BoiteExe.h"
#include "config/BoiteRepertoire.h"

int RunVossik(System& system, ui::Application& application) {
    application.HideTaskbarButton();
    // The title also names the settings file.
    application.SetTitle("Vossik'");

    TConfigVossik configVossik(system, application);
    application.CreateForm(configVossik);
    configVossik.CreationFiche();
    // The dialogs make their windows when they first show.
    TBoiteRepertoire boiteRepertoire;
    TBoiteExe boiteExe(system);
    configVossik.AttachDialogs({&boiteRepertoire, &boiteExe});

    application.ShowMainFormOnRun(!configVossik.StartsInTray());
    return application.Run();
}
