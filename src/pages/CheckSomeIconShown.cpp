#include "pages/CheckSomeIconShown.h"

#include "platform/MessageBox.h"

// Before the taskbar is there, the icons the options want wait for it: that is no reason to warn.
bool CheckSomeIconShown(System& system, const TrayIconSet& icons) {
    if (icons.Reachable()) return true;
    MessageWithBeep(system,
                    "Vos choix n'afficheront aucune icône.\r\n\n"
                    "Affichez-en au moins une, ou choisissez 'Quitter'.",
                    MessageKind::Warning);
    return false;
}
