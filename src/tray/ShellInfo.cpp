#include "tray/ShellInfo.h"

#include "platform/MessageBox.h"
#include "types/Cp1252.h"

OwnedIcon GetDisplayNameAndIcon(System& system, const std::string& path, std::string& displayName,
                                bool report) {
    auto info =
        system.GetFileInfo(Widen(path), shgfi::Icon | shgfi::DisplayName | shgfi::SmallIcon);
    if (info) {
        displayName = info->DisplayName;
        return {system, info->Icon};
    }
    if (report) {
        MessageWithBeep(system, "Erreur : ne peut retrouver le nom du fichier et/ou son icone.",
                        MessageKind::Error);
    }
    return {};
}

OwnedIcon GetSmallIcon(System& system, const std::wstring& path) {
    auto info = system.GetFileInfo(path, shgfi::Icon | shgfi::SmallIcon);
    if (info) return {system, info->Icon};
    MessageWithBeep(system, "Erreur : ne peut retourver l'icone du fichier.", MessageKind::Error);
    return {};
}
