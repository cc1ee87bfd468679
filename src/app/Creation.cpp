#include <algorithm>
#include <cctype>

#include "app/ConfigVossik.h"
#include "tray/TrayIcon.h"

namespace {

bool IsConfigSwitch(std::string argument) {
    std::transform(argument.begin(), argument.end(), argument.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return argument == "/CONFIG";
}

}  // namespace

void TConfigVossik::CreationFiche() {
    SystemVersion version = system_.Version();
    IsWindowsXP = version.Major == 5 && version.Minor == 1;
    HookApplicationWindow();
    PageEteindre.Heure.SetItemIndex(0);
    PageEteindre.Minutes.SetItemIndex(0);
    CBEteindreAutoClick();
    CBAfficherArreterClick();
    ActiverMAJClick();
    RefreshRetries = 0;
    EnumerateDrives();
    LoadSettings();
    BuildShutdownItem();
    DecideStart();
    ApplyTimerRule();
    BuildMenuImages();
    application_.OnDeactivate = [this] { DesactiverFiche(); };
}

// Tray mode needs a settings file, no "/CONFIG" first, and at least one icon that shows.
void TConfigVossik::DecideStart() {
    std::string settings = SettingsPath();
    std::vector<std::string> arguments = system_.CommandLineArguments();
    bool configAsked = !arguments.empty() && IsConfigSwitch(arguments.front());
    startsInTray_ = false;
    if (system_.FileExists(settings) && !configAsked) {
        RefreshTrayIcons();
        startsInTray_ = CheckSomeIconShown();
    }
}

void TConfigVossik::DestructionFiche() {
    if (destroyed_) return;
    destroyed_ = true;
    UnhookApplicationWindow();
    RemoveAllTrayIcons();
    FreeItemList(Drives);
    FreeItemList(Folders);
    FreeItemList(Launches);
    ReleaseTrayIcon(system_, ShutdownItem);
}

void TConfigVossik::FreeItemList(TrayItemList& list) {
    for (auto& item : list) ReleaseTrayIcon(system_, *item);
    list.clear();
}
