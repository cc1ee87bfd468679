#include "tray/IconIdentity.h"

#include <cstdint>

#include "types/Utf8.h"

namespace {

// Ours alone: no other program's names can meet these.
constexpr Guid IconNames = {
    0x6d33d215, 0x7a70, 0x4484, {0xb2, 0x66, 0x3b, 0xac, 0xdd, 0x2f, 0x2c, 0xcf}};

bool IsDrive(TrayItemKind kind) {
    return kind <= TrayItemKind::DriveRamDisk;
}

// The group and the key, NUL-separated: no path holds a NUL.
std::string GroupAndKey(const TrayItem& item) {
    const bool drive = IsDrive(item.Kind);
    std::string key(1, drive ? 'd' : static_cast<char>(item.Kind));
    key += '\0';
    key.append(item.Path, 0, drive ? 1 : item.Path.size());
    if (item.Kind == TrayItemKind::Launch) (key += '\0') += item.Options;
    return key;
}

}  // namespace

Guid IconIdentity(const std::wstring& programPath, const TrayItem& item, int occurrence) {
    std::string name;
    for (wchar_t c : programPath) AppendUtf8(name, static_cast<char32_t>(c));
    name += '\0' + GroupAndKey(item) + '\0' + std::to_string(occurrence);
    return NameBasedGuid(IconNames, name);
}

// Records of one key share a slot of an open table, found by the key's hash; keys whose hashes
// meet would only share a count, each record still numbered apart from those of its key.
std::vector<int> Occurrences(const TrayItemList& list) {
    struct Slot {
        std::uint64_t Hash = 0;  // 0: empty
        int Count = 0;
    };
    std::vector<Slot> table(2 * list.size() + 1);
    std::vector<int> occurrences;
    occurrences.reserve(list.size());
    for (const auto& item : list) {
        std::uint64_t hash = 14695981039346656037u;  // FNV-1a
        for (char c : GroupAndKey(*item))
            hash = (hash ^ static_cast<std::uint8_t>(c)) * 1099511628211u;
        hash |= 1;
        std::size_t at = hash % table.size();
        while (table[at].Hash && table[at].Hash != hash) at = (at + 1) % table.size();
        table[at].Hash = hash;
        occurrences.push_back(table[at].Count++);
    }
    return occurrences;
}
