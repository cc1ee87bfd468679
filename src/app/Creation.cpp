#include <algorithm>
#include <cctype>
#include <utility>

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
    application_.OnQueueLost = [this] { SaveUnasked(""); };
    // From now on whatever takes the last icon brings the window back, as the start decision
    // did. Looked at from the loop, once the handler that changed the icons has finished: a
    // group switched off from the menu comes back on its own when it was the last.
    Icons.OnUnreachable = [this] {
        if (destroyed_ || Showing() || std::exchange(reachCheckPosted_, true)) return;
        system_.PostMessage(Handle(), msg::ReachCheck, 0, 0);
    };
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
