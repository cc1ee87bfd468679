#include <algorithm>

#include "platform/MessageBox.h"
#include "settings/ItemLists.h"
#include "settings/ProfileFile.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "types/IconId.h"
#include "types/RefreshDelay.h"

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
        case Binding::RefreshDelay:
            *option.Milliseconds = RefreshDelayOfSeconds(inRange ? value : option.Default);
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

}  // namespace

void LoadSettings(System& system, const std::wstring& path,
                  std::span<const settings::Option> options, TrayIconSet& icons, EntryLines lines) {
    ProfileFile file(system.ReadFile(path).value_or(""));
    for (const settings::Option& option : options) LoadOption(file, option);
    const bool foldersCut =
        !LoadItemList(system, file, section::Dossiers, lines.Folders, TrayItemKind::Folder,
                      iconid::FolderCapacity, icons, icons.Folders);
    const bool launchesCut =
        !LoadItemList(system, file, section::LancementRapideRead, lines.Launches,
                      TrayItemKind::Launch, iconid::LaunchCapacity, icons, icons.Launches);
    if (foldersCut || launchesCut)
        MessageWithBeep(system, CutListsText(foldersCut, launchesCut), MessageKind::Information);
}
