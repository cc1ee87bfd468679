#include "platform/MessageBox.h"
#include "settings/FailureReason.h"
#include "settings/FileReplacement.h"
#include "settings/ItemLists.h"
#include "settings/ProfileEncoding.h"
#include "settings/ProfileFile.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "types/Cp1252.h"

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
        case Binding::Delay:
            if (option.Delay->Seconds() != option.Default)
                file.WriteInteger(option.Section, option.Key, option.Delay->Seconds());
            break;
    }
}

std::string WriteFailureText(const std::wstring& path, const std::string& reason) {
    return "Impossible d'écrire dans " + Narrow(path) + (reason.empty() ? "" : "\r\n" + reason);
}

// A section of ours that the file holds in a form its reading missed (another encoding, say):
// writing would add a second one.
const char* UnreadSection(const ProfileFile& file, std::span<const settings::Option> options) {
    for (const char* name : {section::Dossiers, section::LancementRapide})
        if (file.HoldsUnreadSection(name)) return name;
    for (const settings::Option& option : options)
        if (file.HoldsUnreadSection(option.Section)) return option.Section;
    return nullptr;
}

}  // namespace

// The whole file is read, changed in memory and put back in one step: a refused write leaves
// the previous file whole, and every line we do not own comes back as it was. A file that is
// there but cannot be read whole is never replaced: the lines we could not read would be lost.
SaveResult SaveSettings(System& system, SettingsFile& file, const std::string& errorTitle,
                        std::span<const settings::Option> options, const TrayIconSet& icons,
                        bool mayAsk, const std::string& failureLeadIn) {
    const std::wstring& path = file.Path();
    auto fail = [&](const std::string& reason) {
        ShowHandlerError(system, errorTitle, failureLeadIn + WriteFailureText(path, reason));
        return SaveResult::Failed;
    };
    std::optional<std::string> content = system.ReadFile(path);
    if (!content) {
        const unsigned long error = system.LastError();
        if (!IsAbsence(error)) return fail(FailureReason(system, error));
    } else if (const char* encoding = UnreadableEncoding(*content)) {
        return fail(UnreadableEncodingText(encoding));
    }
    ProfileFile profile(content.value_or(""));
    if (const char* name = UnreadSection(profile, options))
        return fail("Ce fichier contient déjà la section [" + std::string(name) +
                    "] sous une forme que Vossik' ne sait pas lire : l'enregistrer y ajouterait "
                    "une seconde section [" +
                    name + "].");
    switch (file.MayReplace(system, content, mayAsk)) {
        case SettingsFile::Replacing::Yes:
            break;
        case SettingsFile::Replacing::No:
            return SaveResult::Kept;
        case SettingsFile::Replacing::Unasked:
            return SaveResult::Unasked;
    }

    // The lists after every option: each list's keys still follow its section's options.
    for (const settings::Option& option : options) SaveOption(profile, option);
    SaveItemList(profile, section::Dossiers, icons.Folders, file.HeldFolders, false);
    SaveItemList(profile, section::LancementRapide, icons.Launches, file.HeldLaunches, true);

    const std::string bytes = profile.Content();
    if (const unsigned long error = ReplaceSettingsFile(system, path, bytes))
        return fail(FailureReason(system, error));
    file.Written(bytes);
    return SaveResult::Saved;
}
