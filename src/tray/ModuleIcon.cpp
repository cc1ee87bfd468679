#include "tray/MessageBox.h"
#include "tray/ShellInfo.h"

namespace {

void ReportFailure(System& system, const char* leadIn) {
    MessageWithBeep(system, leadIn + std::to_string(system.LastError()) + ")", MessageKind::Error);
}

}  // namespace

IconHandle LoadModuleIcon(System& system, const std::string& module, int resource) {
    const int cx = system.SmallIconWidth();
    const int cy = system.SmallIconHeight();

    // The module stays loaded: its icons are wanted again at every start of the menu images.
    ModuleHandle library = system.LoadLibrary(module);
    if (!library) ReportFailure(system, "Erreur de nom de fichier (LoadLibrary n°");

    ResourceHandle group = system.FindResource(library, resource, ResourceType::GroupIcon);
    if (!group) ReportFailure(system, "Erreur de n° d'icone (FindResource n°");

    const void* directory = system.LoadResource(library, group);
    if (!directory) ReportFailure(system, "Erreur de chargement d'icone (LoadResource n°");

    int imageId = system.LookupIconIdFromDirectory(directory, cx, cy);
    ResourceHandle image = system.FindResource(library, imageId, ResourceType::Icon);
    const void* bits = system.LoadResource(library, image);
    if (!bits) ReportFailure(system, "Erreur de chargement d'icone (LoadResource 2 n°");

    return system.CreateIconFromResource(bits, system.SizeofResource(library, image), cx, cy);
}

void AddModuleIcon(System& system, ui::ImageList& list, const std::string& module, int resource) {
    IconHandle icon = LoadModuleIcon(system, module, resource);
    if (!icon) return;
    list.AddIcon(icon);
    system.DestroyIcon(icon);
}
