#include "platform/MessageBox.h"
#include "settings/ItemLists.h"
#include "settings/ProfileFile.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "types/Cp1252.h"
#include "types/RefreshDelay.h"

namespace section = settings::section;
using settings::Binding;

namespace {

void SaveOption(ProfileFile& file, const settings::Option& option) {
    switch (option.Kind) {
        case Binding::Check:
            file.WriteBool(option.Section, option.Key,
                           option.Box->Checked() &&
                               (!option.OnlyWithLine1 || option.OnlyWithLine1->ItemIndex() == 1));
            break;
        case Binding::RadioPair:
            file.WriteBool(option.Section, option.Key, option.Radios[0]->Checked());
            break;
        case Binding::Choice: {
            int value = option.Max;
            for (int v = option.Max; v >= 0; --v) {
                if (!option.Radios[v]->Checked()) continue;
                value = v;
                break;
            }
            file.WriteInteger(option.Section, option.Key, value);
            break;
        }
        case Binding::ListLine:
            file.WriteInteger(option.Section, option.Key, option.List->ItemIndex());
            break;
        case Binding::GroupLine:
            file.WriteInteger(option.Section, option.Key, option.Group->ItemIndex());
            break;
        case Binding::RefreshDelay:
            if (*option.Milliseconds != RefreshDelayOfSeconds(option.Default))
                file.WriteInteger(option.Section, option.Key,
                                  static_cast<int>(*option.Milliseconds / 1000));
            break;
    }
}

// The system's words for why, after the path; its number where it has none.
std::string WriteFailureText(System& system, const std::wstring& path, unsigned long error) {
    std::string reason = system.ErrorText(error);
    if (reason.empty() && error == errorcode::FileReadOnly)
        reason = "Le fichier est en lecture seule.";
    if (reason.empty() && error != 0) reason = "Erreur " + std::to_string(error) + ".";
    return "Impossible d'écrire dans " + Narrow(path) + (reason.empty() ? "" : "\r\n" + reason);
}

}  // namespace

// The whole file is read, changed in memory and put back in one step: a refused write leaves
// the previous file whole, and every line we do not own comes back as it was. A file that is
// there but cannot be read whole is never replaced: the lines we could not read would be lost.
bool SaveSettings(System& system, const std::wstring& path, const std::string& errorTitle,
                  std::span<const settings::Option> options, const TrayIconSet& icons) {
    std::optional<std::string> content = system.ReadFile(path);
    if (!content) {
        const unsigned long error = system.LastError();
        if (system.FileExists(path)) {
            ShowHandlerError(system, errorTitle, WriteFailureText(system, path, error));
            return false;
        }
    }
    ProfileFile file(content.value_or(""));
    // The lists after every option: each list's keys still follow its section's options.
    for (const settings::Option& option : options) SaveOption(file, option);
    SaveItemList(file, section::Dossiers, icons.Folders, false);
    SaveItemList(file, section::LancementRapide, icons.Launches, true);

    if (system.ReplaceFile(path, file.Content())) return true;
    ShowHandlerError(system, errorTitle, WriteFailureText(system, path, system.LastError()));
    return false;
}
