#include "tray/ShellInfo.h"

#include <optional>

#include "platform/MessageBox.h"
#include "types/Cp1252.h"

namespace {

// The picture of the file and index the shell names for the path; failing that, the one the
// shell draws for the path itself.
SharedIcon PictureOf(IconCache& pictures, const std::wstring& path, const ShellFileInfo& info) {
    if (!info.IconFile.empty()) {
        if (SharedIcon shared =
                pictures.Get({IconSource::From::File, info.IconFile, info.IconIndex}))
            return shared;
    }
    return pictures.Get({IconSource::From::Shell, path, 0});
}

// Nothing when the shell does not know the path. The name is asked for only when there is
// somewhere to put it.
std::optional<SharedIcon> IconAndName(System& system, IconCache& pictures, const std::wstring& path,
                                      std::string* displayName) {
    const unsigned nameFlag = displayName ? shgfi::DisplayName : 0;
    auto info = system.GetFileInfo(path, shgfi::IconLocation | nameFlag);
    if (!info) return std::nullopt;
    if (displayName) *displayName = info->DisplayName;
    return PictureOf(pictures, path, *info);
}

SharedIcon ReportedIconAndName(System& system, IconCache& pictures, const std::string& path,
                               std::string* displayName, bool report) {
    if (auto icon = IconAndName(system, pictures, Widen(path), displayName)) return *icon;
    if (report) {
        MessageWithBeep(system, "Erreur : ne peut retrouver le nom du fichier et/ou son icone.",
                        MessageKind::Error);
    }
    return {};
}

}  // namespace

SharedIcon GetDisplayNameAndIcon(System& system, IconCache& pictures, const std::string& path,
                                 std::string& displayName, bool report) {
    return ReportedIconAndName(system, pictures, path, &displayName, report);
}

SharedIcon GetIconAndMissingName(System& system, IconCache& pictures, const std::string& path,
                                 std::string& name, bool report) {
    return ReportedIconAndName(system, pictures, path, name.empty() ? &name : nullptr, report);
}

SharedIcon GetSmallIcon(System& system, IconCache& pictures, const std::wstring& path) {
    if (auto icon = IconAndName(system, pictures, path, nullptr)) return *icon;
    MessageWithBeep(system, "Erreur : ne peut retourver l'icone du fichier.", MessageKind::Error);
    return {};
}
