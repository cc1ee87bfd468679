#include "settings/StoredOptions.h"

#include "settings/SettingsKeys.h"

std::vector<settings::Option> StoredOptions(ConfigPages& pages, RefreshDelay& refreshDelay) {
    using namespace settings;
    using namespace settings::section;
    AboutPage& about = pages.PageAPropos;
    DrivesPage& drives = pages.PageUS;
    FoldersPage& folders = pages.PageRep;
    ShutdownPage& shutdown = pages.PageEteindre;
    const auto [logOff, reboot, powerOff] = shutdown.Actions;
    return {
        RadioPair(Divers, "Simple Click", true, about.RBSimpleClick, about.RBDoubleClick),
        Check(Divers, "MAJ Icônes", true, about.CBActiverMAJ),
        Delay(Divers, "Temporisation", refreshDelay),
        Check(Divers, "Garder CD", true, about.CBGarderCD),
        Check(Divers, "Garder Net", false, about.CBGarderNet),

        Check(Lecteurs, "Affichage", true, drives.ActiverUS),
        Check(Lecteurs, "Amovibles", true, drives.CBDisquette),
        Check(Lecteurs, "Fixes", true, drives.CBDD),
        Check(Lecteurs, "CD-Roms", true, drives.CBCD),
        Check(Lecteurs, "Virtuels", true, drives.CBRam),
        Check(Lecteurs, "Réseaux", true, drives.CBReseau),
        RadioPair(Lecteurs, "Exploreur", true, drives.RBExplorerUS, drives.RBNormalUS),
        Check(Lecteurs, "Racine", false, drives.CBRacineUS),

        Check(Dossiers, "Affichage", true, folders.ActiverRep),
        RadioPair(Dossiers, "Exploreur", true, folders.RBExplorerREp, folders.RBNormalRep),
        Check(Dossiers, "Racine", false, folders.CBRacineRep),

        Check(LancementRapide, "Affichage", true, pages.PageApp.ActiverExe),

        Check(Arreter, "Afficher Icone", true, shutdown.CBAfficherArreter),
        // Restarting Windows alone (1) cannot be chosen: the computer restarts.
        Choice(Arreter, "Type d'arrêt", 2, {logOff, reboot, reboot, powerOff}),
        Check(Arreter, "Forcer", false, shutdown.CBForcer),
        Check(Arreter, "Confirmation", true, shutdown.CBConfirmer),

        // Only an every-day schedule survives a restart; a one-time one is for today only.
        Check(EteindreAuto, "Activer", false, shutdown.CBEteindreAuto, &shutdown.GroupePeriode),
        ListLine(EteindreAuto, "Heure", 0, 23, shutdown.Heure),
        ListLine(EteindreAuto, "Minutes", 0, 11, shutdown.Minutes),
        GroupLine(EteindreAuto, "Périodicité", 0, 1, shutdown.GroupePeriode),
        Check(EteindreAuto, "Rappel", true, shutdown.CBRappel1min),
        Check(EteindreAuto, "Confirmation", true, shutdown.CBConfirmationAuto),
    };
}
