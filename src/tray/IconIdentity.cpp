#include "tray/IconIdentity.h"

#include <map>

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
    if (IsDrive(item.Kind)) return "drive" + std::string(1, '\0') + item.Path.substr(0, 1);
    switch (item.Kind) {
        case TrayItemKind::Folder:
            return "folder" + std::string(1, '\0') + item.Path;
        case TrayItemKind::Launch:
            return "launch" + std::string(1, '\0') + item.Path + '\0' + item.Options;
        default:
            return "shutdown";
    }
}

}  // namespace

Guid IconIdentity(const std::wstring& programPath, const TrayItem& item, int occurrence) {
    std::string name;
    for (wchar_t c : programPath) AppendUtf8(name, static_cast<char32_t>(c));
    name += '\0' + GroupAndKey(item) + '\0' + std::to_string(occurrence);
    return NameBasedGuid(IconNames, name);
}

std::vector<int> Occurrences(const TrayItemList& list) {
    std::map<std::string, int> seen;
    std::vector<int> occurrences;
    occurrences.reserve(list.size());
    for (const auto& item : list) occurrences.push_back(seen[GroupAndKey(*item)]++);
    return occurrences;
}
