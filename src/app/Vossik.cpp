#include "app/Vossik.h"

#include "app/ConfigVossik.h"
#include "config/BoiteExe.h"
#include "config/BoiteRepertoire.h"
#include "shutdown/BoiteConfirmation.h"

int RunVossik(System& system, ui::Application& application) {
    application.HideTaskbarButton();
    // The title also names the settings file.
    application.SetTitle("Vossik'");

    TConfigVossik configVossik(system, application);
    application.CreateForm(configVossik);
    configVossik.CreationFiche();
    TBoiteRepertoire boiteRepertoire;
    application.CreateForm(boiteRepertoire);
    TBoiteExe boiteExe(system);
    application.CreateForm(boiteExe);
    TBoiteConfirmation boiteConfirmation;
    application.CreateForm(boiteConfirmation);
    configVossik.AttachDialogs({&boiteRepertoire, &boiteExe, &boiteConfirmation});

    application.ShowMainFormOnRun(!configVossik.StartsInTray());
    return application.Run();
}
