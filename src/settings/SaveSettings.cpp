#include "platform/MessageBox.h"
#include "settings/ProfileFile.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "types/Cp1252.h"

namespace section = settings::section;
namespace key = settings::key;
using settings::ParametersMark;

namespace {

void SaveItemList(ProfileFile& file, const char* section, const TrayItemList& list,
                  bool withParameters) {
    file.WriteInteger(section, key::Nombre, static_cast<int>(list.size()));
    for (std::size_t n = 0; n < list.size(); ++n) {
        const TrayItem& item = *list[n];
        std::string number = std::to_string(n);
        file.WriteString(section, key::PathPrefix + number, item.Path);
        // A missing entry holds a stand-in name: the one in the file stays.
        if (!item.Missing) file.WriteString(section, key::NamePrefix + number, item.Name);
        if (withParameters)
            file.WriteString(section, key::OptionsPrefix + number, ParametersMark + item.Options);
    }
}

int ShutdownAction(const ShutdownPage& page) {
    if (page.RBLogOff.Checked()) return 0;
    if (page.RBRedWin.Checked()) return 1;
    if (page.RBRedemarrer.Checked()) return 2;
    return 3;
}

}  // namespace

// The whole file is read, changed in memory and put back in one step: a refused write leaves
// the previous file whole, and every line we do not own comes back as it was. A file that is
// there but cannot be read whole is never replaced: the lines we could not read would be lost.
bool SaveSettings(System& system, const std::wstring& path, const std::string& errorTitle,
                  const ConfigPages& pages, const TrayIconSet& icons, unsigned refreshDelay) {
    std::optional<std::string> content = system.ReadFile(path);
    if (!content && system.FileExists(path)) {
        ShowHandlerError(system, errorTitle, "Impossible d'écrire dans " + Narrow(path));
        return false;
    }
    ProfileFile file(content.value_or(""));

    const AboutPage& about = pages.PageAPropos;
    file.WriteBool(section::Divers, key::SimpleClick, about.RBSimpleClick.Checked());
    file.WriteBool(section::Divers, key::MajIcones, about.CBActiverMAJ.Checked());
    if (refreshDelay != settings::DefaultRefreshDelay)
        file.WriteInteger(section::Divers, key::Temporisation,
                          static_cast<int>(refreshDelay / 1000));
    file.WriteBool(section::Divers, key::GarderCD, about.CBGarderCD.Checked());
    file.WriteBool(section::Divers, key::GarderNet, about.CBGarderNet.Checked());

    const DrivesPage& drives = pages.PageUS;
    file.WriteBool(section::Lecteurs, key::Affichage, drives.ActiverUS.Checked());
    file.WriteBool(section::Lecteurs, key::Amovibles, drives.CBDisquette.Checked());
    file.WriteBool(section::Lecteurs, key::Fixes, drives.CBDD.Checked());
    file.WriteBool(section::Lecteurs, key::CDRoms, drives.CBCD.Checked());
    file.WriteBool(section::Lecteurs, key::Virtuels, drives.CBRam.Checked());
    file.WriteBool(section::Lecteurs, key::Reseaux, drives.CBReseau.Checked());
    file.WriteBool(section::Lecteurs, key::Exploreur, drives.RBExplorerUS.Checked());
    file.WriteBool(section::Lecteurs, key::Racine, drives.CBRacineUS.Checked());

    const FoldersPage& folders = pages.PageRep;
    file.WriteBool(section::Dossiers, key::Affichage, folders.ActiverRep.Checked());
    file.WriteBool(section::Dossiers, key::Exploreur, folders.RBExplorerREp.Checked());
    file.WriteBool(section::Dossiers, key::Racine, folders.CBRacineRep.Checked());
    SaveItemList(file, section::Dossiers, icons.Folders, false);

    file.WriteBool(section::LancementRapide, key::Affichage, pages.PageApp.ActiverExe.Checked());
    SaveItemList(file, section::LancementRapide, icons.Launches, true);

    const ShutdownPage& shutdown = pages.PageEteindre;
    file.WriteBool(section::Arreter, key::AfficherIcone, shutdown.CBAfficherArreter.Checked());
    file.WriteInteger(section::Arreter, key::TypeArret, ShutdownAction(shutdown));
    file.WriteBool(section::Arreter, key::Forcer, shutdown.CBForcer.Checked());
    file.WriteBool(section::Arreter, key::Confirmation, shutdown.CBConfirmer.Checked());

    // Only an every-day schedule survives a restart; a one-time one is for today only.
    file.WriteBool(section::EteindreAuto, key::Activer,
                   shutdown.CBEteindreAuto.Checked() && shutdown.GroupePeriode.ItemIndex() == 1);
    file.WriteInteger(section::EteindreAuto, key::Heure, shutdown.Heure.ItemIndex());
    file.WriteInteger(section::EteindreAuto, key::Minutes, shutdown.Minutes.ItemIndex());
    file.WriteInteger(section::EteindreAuto, key::Periodicite, shutdown.GroupePeriode.ItemIndex());
    file.WriteBool(section::EteindreAuto, key::Rappel, shutdown.CBRappel1min.Checked());
    file.WriteBool(section::EteindreAuto, key::Confirmation, shutdown.CBConfirmationAuto.Checked());

    if (system.ReplaceFile(path, file.Content())) return true;
    ShowHandlerError(system, errorTitle, "Impossible d'écrire dans " + Narrow(path));
    return false;
}
