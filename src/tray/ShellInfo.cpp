#include "tray/ShellInfo.h"

#include "tray/MessageBox.h"

IconHandle GetDisplayNameAndIcon(System& system, const std::string& path, std::string& displayName,
                                 bool report) {
    auto info = system.GetFileInfo(path, shgfi::Icon | shgfi::DisplayName | shgfi::SmallIcon);
    if (info) {
        displayName = info->DisplayName;
        return info->Icon;
    }
    if (report) {
        MessageWithBeep(system, "Erreur : ne peut retrouver le nom du fichier et/ou son icone.",
                        MessageKind::Error);
    }
    return nullptr;
}

IconHandle GetSmallIcon(System& system, const std::string& path) {
    auto info = system.GetFileInfo(path, shgfi::Icon | shgfi::SmallIcon);
    if (info) return info->Icon;
    MessageWithBeep(system, "Erreur : ne peut retourver l'icone du fichier.", MessageKind::Error);
    return nullptr;
}
