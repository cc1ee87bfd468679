#include "platform/MessageBox.h"
#include "tray/ShellInfo.h"

namespace {

// The steps of taking one icon out of another module. Reporting, a failed step shows its box
// and the next step runs on the null handle; silent, the first failure ends the walk.
IconHandle ModuleIconSteps(System& system, const std::string& module, int resource, bool report) {
    auto check = [&](bool ok, const char* leadIn) {
        if (ok) return true;
        if (report)
            MessageWithBeep(system, leadIn + std::to_string(system.LastError()) + ")",
                            MessageKind::Error);
        return report;
    };
    const int cx = system.SmallIconWidth();
    const int cy = system.SmallIconHeight();

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

}  // namespace

OwnedIcon LoadModuleIcon(System& system, const std::string& module, int resource) {
    return {system, ModuleIconSteps(system, module, resource, true)};
}

OwnedIcon FindModuleIcon(System& system, const std::string& module, int resource) {
    return {system, ModuleIconSteps(system, module, resource, false)};
}
