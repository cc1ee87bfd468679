#include <algorithm>
#include <utility>

#include "platform/MessageBox.h"
#include "settings/ItemLists.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileValue.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "types/IconId.h"

namespace section = settings::section;
using settings::Binding;

namespace {

void LoadOption(const ProfileFile& file, const settings::Option& option) {
    const int value = file.ReadInteger(option.Section, option.Key, option.Default);
    const bool inRange = value >= option.Min && value <= option.Max;
    switch (option.Kind) {
        case Binding::Check:
            option.Box->SetChecked(value != 0);
            break;
        case Binding::RadioPair:
            option.Radios[0]->SetChecked(value != 0);
            option.Radios[1]->SetChecked(!option.Radios[0]->Checked());
            break;
        case Binding::Choice: {
            ui::RadioButton* chosen = inRange ? option.Radios[value] : nullptr;
            for (int v = 0; v <= option.Max; ++v)
                option.Radios[v]->SetChecked(option.Radios[v] == chosen);
            break;
        }
        case Binding::ListLine:
            option.List->SetItemIndex(inRange ? value : -1);
            break;
        case Binding::GroupLine:
            option.Group->SetItemIndex(std::clamp(value, -1, option.Max));
            break;
        case Binding::Delay:
            option.Delay->SetSeconds(inRange ? value : option.Default);
            break;
    }
}

// The lists can hold no more records than they have icon ids.
std::string CutListsText(bool foldersCut, bool launchesCut) {
    std::string lists =
        foldersCut ? "les " + std::to_string(iconid::FolderCapacity) + " premiers dossiers" : "";
    if (launchesCut) {
        if (foldersCut) lists += " et ";
        lists += "les " + std::to_string(iconid::LaunchCapacity) + " premiers lancements rapides";
    }
    return "Seuls " + lists +
           " ont été chargés : les suivants restent dans le fichier de paramètres.";
}

// The count is rewritten at the next save, covering the entries read.
std::string OddCountText(bool folders, bool launches) {
    const std::string where =
        folders && launches ? std::string("les sections [") + section::Dossiers + "] et [" +
                                  section::LancementRapide + "]"
                            : std::string("la section [") +
                                  (folders ? section::Dossiers : section::LancementRapide) + "]";
    return "La valeur de Nombre dans " + where +
           " n'est pas un nombre d'entrées : les entrées que le fichier de paramètres contient "
           "ont été lues, et leur nombre y sera enregistré.";
}

// Entries are named by their numbers in the file, where the user will look for them; a few
// suffice to find the others.
std::string LeftInFileText(const ListLoad& folders, const ListLoad& launches) {
    constexpr std::size_t Named = 10;
    std::string names;
    std::size_t count = 0;
    const std::pair<const ListLoad&, const char*> lists[] = {{folders, "dossier"},
                                                             {launches, "lancement rapide"}};
    for (const auto& [load, word] : lists)
        for (int n : load.LeftInFile)
            if (count++ < Named)
                names += std::string(count > 1 ? ", " : "") + word + " n°" + std::to_string(n);
    names += count > Named ? ", etc." : ".";
    return "Ces entrées du fichier de paramètres n'ont pas été chargées : " + names +
           "\r\nUn de leurs textes dépasse " + std::to_string(kMaxProfileValue) +
           " caractères, ou contient des caractères que Vossik' ne peut pas enregistrer. Elles "
           "restent dans le fichier telles quelles.";
}

}  // namespace

void LoadSettings(System& system, SettingsFile& file, std::span<const settings::Option> options,
                  TrayIconSet& icons, EntryLines lines) {
    const ProfileFile profile(file.ReadAtStart(system));
    for (const settings::Option& option : options) LoadOption(profile, option);
    ListLoad folders =
        LoadItemList(system, profile, section::Dossiers, lines.Folders, TrayItemKind::Folder,
                     iconid::FolderCapacity, icons, icons.Folders);
    ListLoad launches =
        LoadItemList(system, profile, section::LancementRapideRead, lines.Launches,
                     TrayItemKind::Launch, iconid::LaunchCapacity, icons, icons.Launches);
    if (folders.OddCount || launches.OddCount)
        MessageWithBeep(system, OddCountText(folders.OddCount, launches.OddCount),
                        MessageKind::Information);
    const bool foldersCut = !folders.PastCapacity.empty();
    const bool launchesCut = !launches.PastCapacity.empty();
    if (foldersCut || launchesCut)
        MessageWithBeep(system, CutListsText(foldersCut, launchesCut), MessageKind::Information);
    if (!folders.LeftInFile.empty() || !launches.LeftInFile.empty())
        MessageWithBeep(system, LeftInFileText(folders, launches), MessageKind::Warning);
    file.HeldFolders = std::move(folders.PastCapacity);
    file.HeldLaunches = std::move(launches.PastCapacity);
}
