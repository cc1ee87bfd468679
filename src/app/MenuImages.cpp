#include "app/ConfigVossik.h"
#include "tray/ShellInfo.h"

namespace {

struct ModuleImage {
    const char* Module;
    int Resource;
};

// Shutdown, open, explore, search, properties: the system's own pictures.
constexpr ModuleImage SystemImages[] = {
    {"Shell32", 28}, {"Shell32", 16}, {"Explorer.exe", 101}, {"Shell32", 23}, {"Shell32", 22},
};

// Configure, reorganise, quit, and the tick of checked items: our own.
constexpr const char* OwnImages[] = {"ZCONFIG", "ZREPETER", "ZQUITTER", "ZCOCHE"};

}  // namespace

void TConfigVossik::BuildMenuImages() {
    if (IsWindowsXP) {
        ImageList.Recreate(ui::ImageFormat::Color32);
        MCRedemarrerWin.Visible = false;
    }
    for (const ModuleImage& image : SystemImages)
        AddModuleIcon(system_, ImageList, image.Module, image.Resource);
    for (const char* name : OwnImages) {
        // Icons of our own resources are shared by the system: not ours to destroy.
        if (IconHandle icon = system_.LoadOwnIcon(name)) ImageList.AddIcon(icon);
    }
}
