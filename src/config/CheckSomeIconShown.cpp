#include <algorithm>

#include "app/ConfigVossik.h"
#include "tray/MessageBox.h"

bool TConfigVossik::CheckSomeIconShown() {
    auto anyShown = [](const TrayItemList& list) {
        return std::any_of(list.begin(), list.end(), [](const auto& item) { return item->Shown; });
    };
    if (anyShown(Drives) || anyShown(Folders) || anyShown(Launches) || ShutdownItem.Shown)
        return true;
    MessageWithBeep(system_,
                    "Vos choix n'afficheront aucune icône.\r\n\n"
                    "Affichez-en au moins une, ou choisissez 'Quitter'.",
                    MessageKind::Warning);
    return false;
}
