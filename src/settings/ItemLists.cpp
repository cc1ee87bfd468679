#include "settings/ItemLists.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/MessageBox.h"
#include "settings/ProfileCase.h"
#include "settings/SettingsKeys.h"
#include "tray/ShellInfo.h"

namespace key = settings::key;
using settings::ParametersMark;

namespace {

// The entry a key name (as names compare) holds the path of: the prefix, then the number in
// decimal without leading zeros.
std::optional<int> EntryNumber(std::string_view name, std::string_view pathPrefix, int count) {
    if (!name.starts_with(pathPrefix)) return std::nullopt;
    std::string_view digits = name.substr(pathPrefix.size());
    if (digits.empty() || (digits.size() > 1 && digits.front() == '0')) return std::nullopt;
    long long number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
        if (number >= count) return std::nullopt;
    }
    return static_cast<int>(number);
}

// The numbers of the entries the file holds below the count, in order: a count far above them
// costs nothing.
std::vector<int> EntryNumbers(const ProfileFile& file, const char* section, int count) {
    const std::string pathPrefix = NameKey(key::PathPrefix);
    std::vector<int> numbers;
    for (std::string_view name : file.KeyNames(section))
        if (std::optional<int> n = EntryNumber(name, pathPrefix, count)) numbers.push_back(*n);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace

std::string ListText(const std::string& label, const TrayItem& item) {
    return label + " (" + item.Path + " " + item.Options + ")";
}

bool LoadItemList(System& system, const ProfileFile& file, const char* section, ui::ListBox& lines,
                  TrayItemKind kind, std::size_t capacity, TrayIconSet& icons, TrayItemList& list) {
    const bool isFolder = kind == TrayItemKind::Folder;
    const std::string word = isFolder ? "dossier" : "fichier";
    ui::DrawingHold filling(lines);
    for (int n : EntryNumbers(file, section, file.ReadInteger(section, key::Nombre, 0))) {
        std::string number = std::to_string(n);
        std::string path = file.ReadString(section, key::PathPrefix + number, "");
        if (path.empty()) continue;
        if (list.size() == capacity) return false;
        auto item = std::make_unique<TrayItem>();
        item->Path = std::move(path);
        item->Name = file.ReadString(section, key::NamePrefix + number, "");
        item->Options = file.ReadString(section, key::OptionsPrefix + number, "");
        if (!item->Options.empty() && item->Options.front() == ParametersMark)
            item->Options.erase(0, 1);
        item->Kind = kind;

        std::string label = item->Name;
        OwnedIcon icon = GetIconAndMissingName(system, item->Path, label, true);
        item->Missing = !icon;
        if (item->Missing) {
            MessageWithBeep(system,
                            "Le " + word + " \"" + item->Path + "\" (" + item->Name +
                                ") n'existe peut-être plus",
                            MessageKind::Warning);
            icon = GetSmallIcon(system, system.ExecutablePath());
            // The name stays as stored, to be written back; the icon says what is wrong.
            label = "Problème avec le " + word + " n°" + std::to_string(lines.Count());
        }
        lines.AddItem(isFolder ? item->Path : ListText(label, *item));
        icons.Append(list, std::move(item), label, std::move(icon));
    }
    return true;
}

void SaveItemList(ProfileFile& file, const char* section, const TrayItemList& list,
                  bool withParameters) {
    file.WriteInteger(section, key::Nombre, static_cast<int>(list.size()));
    for (std::size_t n = 0; n < list.size(); ++n) {
        const TrayItem& item = *list[n];
        std::string number = std::to_string(n);
        file.WriteString(section, key::PathPrefix + number, item.Path);
        file.WriteString(section, key::NamePrefix + number, item.Name);
        if (withParameters)
            file.WriteString(section, key::OptionsPrefix + number, ParametersMark + item.Options);
    }
}
