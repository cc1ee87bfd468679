#include <algorithm>
#include <cctype>

#include "app/ConfigVossik.h"
#include "pages/CheckSomeIconShown.h"
#include "settings/Settings.h"
#include "settings/StoredOptions.h"
#include "tray/TrayIcon.h"

namespace {

bool IsConfigSwitch(std::string argument) {
    std::transform(argument.begin(), argument.end(), argument.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return argument == "/CONFIG";
}

}  // namespace

void TConfigVossik::CreationFiche() {
    HookApplicationWindow();
    Watcher.EnumerateDrives();
    LoadSettings(system_, Settings, StoredOptions(Pages, Watcher.Delay()), Icons,
                 {Pages.PageRep.ListeRep, Pages.PageApp.ListeFich});
    Shutdown.SwitchOffInvalidSchedule();
    Icons.BuildShutdownItem(Pages.PageEteindre.ActionCaption());
    DecideStart();
    Shutdown.ApplyTimerRule();
    Menu.BuildMenuImages();
    application_.OnDeactivate = [this] { DesactiverFiche(); };
    application_.CommandsWait = [this] { return Icons.Area().InShellCall(); };
    // The program ends without a word: what the user set is saved, but no question is asked.
    application_.OnQueueLost = [this] { Save(false); };
}

// Tray mode needs a settings file (one that could not be read counts), no "/CONFIG" first, and
// at least one icon that shows.
void TConfigVossik::DecideStart() {
    std::vector<std::string> arguments = system_.CommandLineArguments();
    bool configAsked = !arguments.empty() && IsConfigSwitch(arguments.front());
    startsInTray_ = false;
    if (Settings.FoundAtStart() && !configAsked) {
        Icons.RefreshTrayIcons();
        startsInTray_ = CheckSomeIconShown(system_, Icons);
    }
}

// The records free themselves, and their icons, with the icon set.
void TConfigVossik::DestructionFiche() {
    if (destroyed_) return;
    destroyed_ = true;
    UnhookApplicationWindow();
    Icons.RemoveAllTrayIcons();
}
