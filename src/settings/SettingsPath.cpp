#include "settings/SettingsPath.h"

#include "types/Cp1252.h"

std::wstring FolderOf(const std::wstring& path) {
    std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

std::wstring SettingsPath(System& system, const std::string& title) {
    std::wstring name = Widen(title);
    std::wstring folder = FolderOf(system.ExecutablePath());
    std::wstring beside = folder + name + L".ini";
    if (system.FileExists(beside) || system.FolderWritable(folder)) return beside;
    std::wstring roaming = system.ApplicationDataFolder();
    // Without one, the file stays where the user can see why it cannot be written.
    if (roaming.empty()) return beside;
    return roaming + L"\\" + name + L"\\" + name + L".ini";
}
