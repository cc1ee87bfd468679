#include "tray/ShellInfo.h"

#include "platform/MessageBox.h"
#include "types/Cp1252.h"

namespace {

// The name is asked for only when there is somewhere to put it.
OwnedIcon IconAndName(System& system, const std::string& path, std::string* displayName,
                      bool report) {
    const unsigned nameFlag = displayName ? shgfi::DisplayName : 0;
    auto info = system.GetFileInfo(Widen(path), shgfi::Icon | nameFlag | shgfi::SmallIcon);
    if (info) {
        if (displayName) *displayName = info->DisplayName;
        return {system, info->Icon};
    }
    if (report) {
        MessageWithBeep(system, "Erreur : ne peut retrouver le nom du fichier et/ou son icone.",
                        MessageKind::Error);
    }
    return {};
}

}  // namespace

OwnedIcon GetDisplayNameAndIcon(System& system, const std::string& path, std::string& displayName,
                                bool report) {
    return IconAndName(system, path, &displayName, report);
}

OwnedIcon GetIconAndMissingName(System& system, const std::string& path, std::string& name,
                                bool report) {
    return IconAndName(system, path, name.empty() ? &name : nullptr, report);
}

OwnedIcon GetSmallIcon(System& system, const std::wstring& path) {
    auto info = system.GetFileInfo(path, shgfi::Icon | shgfi::SmallIcon);
    if (info) return {system, info->Icon};
    MessageWithBeep(system, "Erreur : ne peut retourver l'icone du fichier.", MessageKind::Error);
    return {};
}
