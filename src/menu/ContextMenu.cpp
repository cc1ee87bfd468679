#include "menu/ContextMenu.h"

#include "tray/ShellInfo.h"

namespace {

struct ModuleImage {
    const char* Module;
    int Resource;
};

constexpr ModuleImage SystemImages[] = {
    {"Shell32", 28}, {"Shell32", 16}, {"Explorer.exe", 101}, {"Shell32", 23}, {"Shell32", 22},
};

constexpr const char* OwnImages[] = {"ZCONFIG", "ZREPETER", "ZQUITTER", "ZCOCHE"};
constexpr const char* StandInImage = "MAINICON";

}  // namespace

ContextMenu::ContextMenu(System& system) : system_(system) {}

void ContextMenu::BuildMenuImages(bool isWindowsXP) {
    // Restarting Windows alone does not exist on XP.
    if (isWindowsXP) MCRedemarrerWin.Visible = false;
    for (const ModuleImage& image : SystemImages) {
        OwnedIcon icon = FindModuleIcon(system_, image.Module, image.Resource);
        // Icons of our own resources are shared by the system: not ours to destroy.
        ImageList.AddIcon(icon ? icon.Get() : system_.LoadOwnIcon(StandInImage));
    }
    for (const char* name : OwnImages) {
        if (IconHandle icon = system_.LoadOwnIcon(name)) ImageList.AddIcon(icon);
    }
}
