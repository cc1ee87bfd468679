#include "tray/Opening.h"

#include "types/Cp1252.h"

// By its full path, quoted: by name alone the system would look beside our own program first,
// and run whatever "Explorer.exe" was left there. Without the Windows folder nothing is run.
void OpenInExplorer(System& system, const std::string& path, bool explorerView, bool asRoot) {
    std::string folder = Narrow(system.WindowsDirectory());
    if (folder.empty()) return;
    if (!folder.ends_with('\\')) folder += '\\';
    std::string switches = explorerView ? "/e," : "";
    if (asRoot) switches += "/root,";
    system.WinExec("\"" + folder + "EXPLORER.EXE\" " + switches + path, ShowNormal);
}

void ShellOpen(System& system, WindowHandle owner, const std::string& file,
               const std::string& parameters) {
    system.ShellExecute(owner, "open", file, parameters, "", ShowNormal);
}

void OpenItem(System& system, WindowHandle owner, TrayGroup group, const TrayItem& item,
              OpeningOptions options) {
    switch (group) {
        case TrayGroup::GroupDrive:
        case TrayGroup::GroupFolder:
            OpenInExplorer(system, item.Path, options.ExplorerView, options.AsRoot);
            break;
        case TrayGroup::GroupLaunch:
            ShellOpen(system, owner, item.Path, item.Options);
            break;
        default:
            break;
    }
}
