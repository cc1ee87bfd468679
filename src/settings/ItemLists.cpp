#include "settings/ItemLists.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "platform/MessageBox.h"
#include "settings/ProfileCase.h"
#include "settings/ProfileValue.h"
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

// An entry as the file holds it; a value the program cannot take whole is nothing.
struct ReadEntry {
    ReadEntry(const ProfileFile& file, const char* section, int n)
        : Path(file.ReadString(section, key::PathPrefix + std::to_string(n), "")),
          Name(file.ReadString(section, key::NamePrefix + std::to_string(n), "")),
          Options(file.ReadString(section, key::OptionsPrefix + std::to_string(n), "")) {}
    bool Whole() const { return Path && Name && Options; }
    std::optional<std::string> Path, Name, Options;
};

// The entries a list's count covers: none for a missing, empty or zero count. A count that is
// no number of entries (negative, too large for a number, or no number at all) covers every
// entry the file holds, as one past the list's capacity does: none is left unread, to be lost at
// the next save.
struct StoredCount {
    int Covered = 0;
    bool Odd = false;
};

StoredCount CountOf(const ProfileFile& file, const char* section) {
    const std::optional<std::string> text = file.ReadString(section, key::Nombre, "");
    if (text && text->empty()) return {};
    const std::optional<int> count = text ? ParseProfileInteger(*text) : std::nullopt;
    if (count && *count >= 0) return {*count, false};
    return {std::numeric_limits<int>::max(), true};
}

}  // namespace

std::string ListText(const std::string& label, const TrayItem& item) {
    return label + " (" + item.Path + " " + item.Options + ")";
}

ListLoad LoadItemList(System& system, const ProfileFile& file, const char* section,
                      ui::ListBox& lines, TrayItemKind kind, std::size_t capacity,
                      TrayIconSet& icons, TrayItemList& list) {
    const bool isFolder = kind == TrayItemKind::Folder;
    const std::string word = isFolder ? "dossier" : "fichier";
    ListLoad load;
    ui::DrawingHold filling(lines);
    const StoredCount count = CountOf(file, section);
    const std::vector<int> numbers = EntryNumbers(file, section, count.Covered);
    load.OddCount = count.Odd && !numbers.empty();
    for (int n : numbers) {
        ReadEntry stored(file, section, n);
        if (!stored.Whole()) {
            load.LeftInFile.push_back(n);
            continue;
        }
        if (stored.Path->empty()) continue;
        if (list.size() == capacity) {
            load.PastCapacity.push_back({*stored.Path, *stored.Name, *stored.Options});
            continue;
        }
        auto item = std::make_unique<TrayItem>();
        item->Path = std::move(*stored.Path);
        item->Name = std::move(*stored.Name);
        item->Options = std::move(*stored.Options);
        if (!item->Options.empty() && item->Options.front() == ParametersMark)
            item->Options.erase(0, 1);
        item->Kind = kind;

        std::string label = item->Name;
        SharedIcon icon = GetIconAndMissingName(system, icons.Pictures, item->Path, label, true);
        item->Missing = !icon;
        if (item->Missing) {
            MessageWithBeep(system,
                            "Le " + word + " \"" + item->Path + "\" (" + item->Name +
                                ") n'existe peut-être plus",
                            MessageKind::Warning);
            icon = GetSmallIcon(system, icons.Pictures, system.ExecutablePath());
            // The name stays as stored, to be written back; the icon says what is wrong.
            label = "Problème avec le " + word + " n°" + std::to_string(lines.Count());
        }
        lines.AddItem(isFolder ? item->Path : ListText(label, *item));
        icons.Append(list, std::move(item), label, std::move(icon));
    }
    return load;
}

// The entries the file holds that the load could not take whole keep their numbers and their
// lines; the list, then the entries left past its capacity, take the other numbers in order, and
// the count still covers them all. An older entry past them, which the count would bring back,
// loses its path.
void SaveItemList(ProfileFile& file, const char* section, const TrayItemList& list,
                  const std::vector<StoredEntry>& pastCapacity, bool withParameters) {
    std::vector<int> kept;
    for (int n : EntryNumbers(file, section, CountOf(file, section).Covered))
        if (!ReadEntry(file, section, n).Whole()) kept.push_back(n);
    auto isKept = [&kept](int n) { return std::binary_search(kept.begin(), kept.end(), n); };
    std::vector<StoredEntry> entries;
    entries.reserve(list.size() + pastCapacity.size());
    for (const auto& item : list)
        entries.push_back({item->Path, item->Name, ParametersMark + item->Options});
    entries.insert(entries.end(), pastCapacity.begin(), pastCapacity.end());
    std::vector<int> numbers;
    for (int n = 0; numbers.size() < entries.size(); ++n)
        if (!isKept(n)) numbers.push_back(n);
    const int count =
        std::max(numbers.empty() ? 0 : numbers.back() + 1, kept.empty() ? 0 : kept.back() + 1);

    file.WriteInteger(section, key::Nombre, count);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string number = std::to_string(numbers[k]);
        file.WriteString(section, key::PathPrefix + number, entries[k].Path);
        file.WriteString(section, key::NamePrefix + number, entries[k].Name);
        if (withParameters)
            file.WriteString(section, key::OptionsPrefix + number, entries[k].Options);
    }
    for (int n = numbers.empty() ? 0 : numbers.back() + 1; n < count; ++n) {
        const std::string pathKey = key::PathPrefix + std::to_string(n);
        if (!isKept(n) && file.ReadString(section, pathKey, "") != "")
            file.WriteString(section, pathKey, "");
    }
}
