#include "app/Vossik.h"

#include "app/ConfigVossik.h"

int RunVossik(System& system, ui::Application& application) {
    application.HideTaskbarButton();
    // The title also names the settings file.
    application.SetTitle("Vossik'");

    TConfigVossik configVossik(system, application);
    application.CreateForm(configVossik);
    configVossik.CreationFiche();
    application.ShowMainFormOnRun(!configVossik.StartsInTray());
    return application.Run();
}
