#include "tray/ShellInfo.h"

#include <optional>

#include "platform/MessageBox.h"
#include "types/Cp1252.h"

namespace {

// The picture of the file and index the shell names for the path; failing that, the one the
// shell draws for the path itself.
SharedIcon PictureOf(IconCache& pictures, const std::wstring& path, const ShellFileInfo& info,
                     PictureRead read) {
    auto picture = [&](const IconSource& source) {
        return read == PictureRead::Afresh ? pictures.Renew(source) : pictures.Get(source);
    };
    if (!info.IconFile.empty()) {
        if (SharedIcon shared = picture({IconSource::From::File, info.IconFile, info.IconIndex}))
            return shared;
    }
    return picture({IconSource::From::Shell, path, 0});
}

// Nothing when the shell does not know the path. The name is asked for only when there is
// somewhere to put it.
std::optional<SharedIcon> IconAndName(System& system, IconCache& pictures, const std::wstring& path,
                                      std::string* displayName, PictureRead read) {
    const unsigned nameFlag = displayName ? shgfi::DisplayName : 0;
    auto info = system.GetFileInfo(path, shgfi::IconLocation | nameFlag);
    if (!info) return std::nullopt;
    if (displayName) *displayName = info->DisplayName;
    return PictureOf(pictures, path, *info, read);
}

SharedIcon ReportedIconAndName(System& system, IconCache& pictures, const std::string& path,
                               std::string* displayName, bool report, PictureRead read) {
    if (auto icon = IconAndName(system, pictures, Widen(path), displayName, read)) return *icon;
    if (report) {
        MessageWithBeep(system, "Erreur : ne peut retrouver le nom du fichier et/ou son icone.",
                        MessageKind::Error);
    }
    return {};
}

}  // namespace

SharedIcon GetDisplayNameAndIcon(System& system, IconCache& pictures, const std::string& path,
                                 std::string& displayName, bool report, PictureRead read) {
    return ReportedIconAndName(system, pictures, path, &displayName, report, read);
}

SharedIcon GetIconAndMissingName(System& system, IconCache& pictures, const std::string& path,
                                 std::string& name, bool report) {
    return ReportedIconAndName(system, pictures, path, name.empty() ? &name : nullptr, report,
                               PictureRead::Shared);
}

SharedIcon GetSmallIcon(System& system, IconCache& pictures, const std::wstring& path,
                        PictureRead read) {
    if (auto icon = IconAndName(system, pictures, path, nullptr, read)) return *icon;
    MessageWithBeep(system, "Erreur : ne peut retourver l'icone du fichier.", MessageKind::Error);
    return {};
}
