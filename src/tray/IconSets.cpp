#include "app/ConfigVossik.h"
#include "tray/ShellInfo.h"
#include "tray/TrayIcon.h"
#include "types/IconId.h"

void TConfigVossik::BuildShutdownItem() {
    ShutdownItem.Kind = TrayItemKind::Shutdown;
    ShutdownItem.Path.clear();
    ShutdownItem.Options.clear();
    ShutdownItem.Shown = false;
    ShutdownItem.Missing = false;
    ShutdownItem.Name = "Erreur de nom ???";
    ShutdownPage& page = PageEteindre;
    for (ui::RadioButton* action :
         {&page.RBLogOff, &page.RBRedWin, &page.RBRedemarrer, &page.RBEteindre}) {
        if (action->Checked()) {
            ShutdownItem.Name = action->Caption();
            break;
        }
    }
    ReleaseTrayIcon(system_, ShutdownItem);
    IconHandle icon = LoadModuleIcon(system_, "Shell32", 28);
    FillIconData(ShutdownItem.IconData, Handle(), iconid::Shutdown, ShutdownItem.Name, icon);
}

// Walks one list, re-reading its length at every step: an error box opened by an add runs a
// message loop in which the list may change. On XP the shell shows icons in the reverse order
// of their adds, so the walk goes backwards there.
void TConfigVossik::RefreshListIcons(TrayItemList& list, const WantedRule& wanted) {
    int step = IsWindowsXP ? -1 : 1;
    for (int i = IsWindowsXP ? static_cast<int>(list.size()) - 1 : 0;
         i >= 0 && i < static_cast<int>(list.size()); i += step) {
        TrayItem& item = *list[i];
        if (wanted(item)) {
            AddTrayIcon(system_, item);
        } else {
            RemoveTrayIcon(system_, item);
        }
    }
}

void TConfigVossik::RefreshShutdownIcon() {
    if (PageEteindre.CBAfficherArreter.Checked()) {
        AddTrayIcon(system_, ShutdownItem);
    } else {
        RemoveTrayIcon(system_, ShutdownItem);
    }
}

void TConfigVossik::RefreshTrayIcons() {
    bool folders = PageRep.ActiverRep.Checked();
    bool launches = PageApp.ActiverExe.Checked();
    auto drives = [this](const TrayItem& drive) { return IsDriveShown(drive); };
    auto folder = [folders](const TrayItem&) { return folders; };
    auto launch = [launches](const TrayItem&) { return launches; };
    if (IsWindowsXP) {
        RefreshShutdownIcon();
        RefreshListIcons(Launches, launch);
        RefreshListIcons(Folders, folder);
        RefreshListIcons(Drives, drives);
    } else {
        RefreshListIcons(Drives, drives);
        RefreshListIcons(Folders, folder);
        RefreshListIcons(Launches, launch);
        RefreshShutdownIcon();
    }
}

void TConfigVossik::RemoveListIcons(TrayItemList& list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->Shown) RemoveTrayIcon(system_, *list[i]);
    }
}

void TConfigVossik::RemoveAllTrayIcons() {
    RemoveListIcons(Launches);
    RemoveListIcons(Folders);
    RemoveListIcons(Drives);
    RemoveTrayIcon(system_, ShutdownItem);
}

void TConfigVossik::ReorganiserBtnClick() {
    RemoveAllTrayIcons();
    RefreshTrayIcons();
}
