#include <algorithm>

#include "config/LaunchList.h"
#include "platform/MessageBox.h"
#include "settings/ProfileFile.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "tray/ShellInfo.h"

namespace section = settings::section;
namespace key = settings::key;
using settings::ParametersMark;

namespace {

// A pair of radio buttons: the first takes the value, the second the opposite of the result.
void LoadRadioPair(ui::RadioButton& first, ui::RadioButton& second, bool value) {
    first.SetChecked(value);
    second.SetChecked(!first.Checked());
}

// One list's entries: a record and a line each, in the file's order.
void LoadItemList(System& system, const ProfileFile& file, const char* section, ui::ListBox& lines,
                  TrayItemKind kind, TrayIconSet& icons, TrayItemList& list) {
    int count = file.ReadInteger(section, key::Nombre, 0);
    const bool isFolder = kind == TrayItemKind::Folder;
    const std::string word = isFolder ? "dossier" : "fichier";
    for (int n = 0; n < count; ++n) {
        auto item = std::make_unique<TrayItem>();
        std::string number = std::to_string(n);
        item->Path = file.ReadString(section, key::PathPrefix + number, "");
        item->Name = file.ReadString(section, key::NamePrefix + number, "");
        item->Options = file.ReadString(section, key::OptionsPrefix + number, "");
        if (!item->Options.empty() && item->Options.front() == ParametersMark)
            item->Options.erase(0, 1);
        item->Kind = kind;

        std::string displayName;
        OwnedIcon icon = GetDisplayNameAndIcon(system, item->Path, displayName, true);
        item->Missing = !icon;
        if (item->Missing) {
            MessageWithBeep(system,
                            "Le " + word + " \"" + item->Path + "\" (" + item->Name +
                                ") n'existe peut-être plus",
                            MessageKind::Warning);
            icon = GetSmallIcon(system, system.ExecutablePath());
            item->Name = "Problème avec le " + word + " n°" + std::to_string(lines.Count());
        }
        const std::string& label = item->Name.empty() ? displayName : item->Name;
        lines.AddItem(isFolder ? item->Path : ListText(label, *item));
        icons.Append(list, std::move(item), label, std::move(icon));
    }
}

ProfileFile ReadProfile(System& system, const std::wstring& path) {
    return ProfileFile(system.ReadFile(path).value_or(""));
}

}  // namespace

void LoadSettings(System& system, const std::wstring& path, ConfigPages& pages, TrayIconSet& icons,
                  unsigned& refreshDelay) {
    ProfileFile file = ReadProfile(system, path);
    AboutPage& about = pages.PageAPropos;
    LoadRadioPair(about.RBSimpleClick, about.RBDoubleClick,
                  file.ReadBool(section::Divers, key::SimpleClick, true));
    about.CBActiverMAJ.SetChecked(file.ReadBool(section::Divers, key::MajIcones, true));
    refreshDelay =
        static_cast<unsigned>(file.ReadInteger(section::Divers, key::Temporisation, 10)) * 1000u;
    if (refreshDelay == 0) refreshDelay = 200;
    about.CBGarderCD.SetChecked(file.ReadBool(section::Divers, key::GarderCD, true));
    about.CBGarderNet.SetChecked(file.ReadBool(section::Divers, key::GarderNet, false));

    DrivesPage& drives = pages.PageUS;
    drives.ActiverUS.SetChecked(file.ReadBool(section::Lecteurs, key::Affichage, true));
    drives.CBDisquette.SetChecked(file.ReadBool(section::Lecteurs, key::Amovibles, true));
    drives.CBDD.SetChecked(file.ReadBool(section::Lecteurs, key::Fixes, true));
    drives.CBCD.SetChecked(file.ReadBool(section::Lecteurs, key::CDRoms, true));
    drives.CBRam.SetChecked(file.ReadBool(section::Lecteurs, key::Virtuels, true));
    drives.CBReseau.SetChecked(file.ReadBool(section::Lecteurs, key::Reseaux, true));
    LoadRadioPair(drives.RBExplorerUS, drives.RBNormalUS,
                  file.ReadBool(section::Lecteurs, key::Exploreur, true));
    drives.CBRacineUS.SetChecked(file.ReadBool(section::Lecteurs, key::Racine, false));

    FoldersPage& folders = pages.PageRep;
    folders.ActiverRep.SetChecked(file.ReadBool(section::Dossiers, key::Affichage, true));
    LoadRadioPair(folders.RBExplorerREp, folders.RBNormalRep,
                  file.ReadBool(section::Dossiers, key::Exploreur, true));
    folders.CBRacineRep.SetChecked(file.ReadBool(section::Dossiers, key::Racine, false));
    LoadItemList(system, file, section::Dossiers, folders.ListeRep, TrayItemKind::Folder, icons,
                 icons.Folders);

    LaunchPage& launches = pages.PageApp;
    launches.ActiverExe.SetChecked(file.ReadBool(section::LancementRapide, key::Affichage, true));
    LoadItemList(system, file, section::LancementRapideRead, launches.ListeFich,
                 TrayItemKind::Launch, icons, icons.Launches);

    ShutdownPage& shutdown = pages.PageEteindre;
    shutdown.CBAfficherArreter.SetChecked(
        file.ReadBool(section::Arreter, key::AfficherIcone, true));
    int action = file.ReadInteger(section::Arreter, key::TypeArret, 2);
    shutdown.RBLogOff.SetChecked(action == 0);
    shutdown.RBRedWin.SetChecked(action == 1);
    shutdown.RBRedemarrer.SetChecked(action == 2);
    shutdown.RBEteindre.SetChecked(action == 3);
    shutdown.CBForcer.SetChecked(file.ReadBool(section::Arreter, key::Forcer, false));
    shutdown.CBConfirmer.SetChecked(file.ReadBool(section::Arreter, key::Confirmation, true));

    shutdown.CBEteindreAuto.SetChecked(file.ReadBool(section::EteindreAuto, key::Activer, false));
    shutdown.Heure.SetItemIndex(file.ReadInteger(section::EteindreAuto, key::Heure, 0));
    shutdown.Minutes.SetItemIndex(file.ReadInteger(section::EteindreAuto, key::Minutes, 0));
    shutdown.GroupePeriode.SetItemIndex(
        std::clamp(file.ReadInteger(section::EteindreAuto, key::Periodicite, 0), -1, 1));
    shutdown.CBRappel1min.SetChecked(file.ReadBool(section::EteindreAuto, key::Rappel, true));
    shutdown.CBConfirmationAuto.SetChecked(
        file.ReadBool(section::EteindreAuto, key::Confirmation, true));
}

std::string ReadStoredShortcutName(System& system, const std::wstring& path,
                                   const std::string& section, int entry) {
    return ReadProfile(system, path)
        .ReadString(section, key::NamePrefix + std::to_string(entry),
                    std::string(1, ParametersMark));
}
