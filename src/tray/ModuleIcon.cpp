#include "tray/ModuleIcon.h"

#include "platform/MessageBox.h"
#include "tray/ShellInfo.h"
#include "types/Cp1252.h"

IconHandle ModuleIconSteps(System& system, const std::string& module, int resource, bool report,
                           IconSize size) {
    auto check = [&](bool ok, const char* leadIn) {
        if (ok) return true;
        if (report)
            MessageWithBeep(system, leadIn + std::to_string(system.LastError()) + ")",
                            MessageKind::Error);
        return report;
    };
    const int cx = size.Width;
    const int cy = size.Height;

    // The module stays loaded: its icons are wanted again at every start of the menu images.
    ModuleHandle library = system.LoadLibrary(module);
    if (!check(library, "Erreur de nom de fichier (LoadLibrary n°")) return nullptr;

    ResourceHandle group = system.FindResource(library, resource, ResourceType::GroupIcon);
    if (!check(group, "Erreur de n° d'icone (FindResource n°")) return nullptr;

    const void* directory = system.LoadResource(library, group);
    if (!check(directory, "Erreur de chargement d'icone (LoadResource n°")) return nullptr;

    int imageId = system.LookupIconIdFromDirectory(directory, cx, cy);
    ResourceHandle image = system.FindResource(library, imageId, ResourceType::Icon);
    const void* bits = system.LoadResource(library, image);
    if (!check(bits, "Erreur de chargement d'icone (LoadResource 2 n°")) return nullptr;

    return system.CreateIconFromResource(bits, system.SizeofResource(library, image), cx, cy);
}

SharedIcon LoadModuleIcon(System& system, IconCache& pictures, const std::string& module,
                          int resource) {
    const IconSource source{IconSource::From::Module, Widen(module), resource};
    if (SharedIcon living = pictures.Find(source)) return living;
    return pictures.Keep(source, ModuleIconSteps(system, module, resource, true, pictures.Size()));
}

SharedIcon FindModuleIcon(IconCache& pictures, const std::string& module, int resource) {
    return pictures.Get({IconSource::From::Module, Widen(module), resource});
}
