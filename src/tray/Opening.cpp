#include "tray/Opening.h"

void OpenInExplorer(System& system, const std::string& path, bool explorerView, bool asRoot) {
    std::string switches = explorerView ? "/e," : "";
    if (asRoot) switches += "/root,";
    system.WinExec("EXPLORER.EXE " + switches + path, ShowNormal);
}

void ShellOpen(System& system, WindowHandle owner, const std::string& file,
               const std::string& parameters) {
    system.ShellExecute(owner, "open", file, parameters, "", ShowNormal);
}
