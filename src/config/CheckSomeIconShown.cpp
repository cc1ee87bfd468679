#include "config/CheckSomeIconShown.h"

#include "platform/MessageBox.h"

bool CheckSomeIconShown(System& system, const TrayIconSet& icons) {
    if (icons.AnyShown()) return true;
    MessageWithBeep(system,
                    "Vos choix n'afficheront aucune icône.\r\n\n"
                    "Affichez-en au moins une, ou choisissez 'Quitter'.",
                    MessageKind::Warning);
    return false;
}
