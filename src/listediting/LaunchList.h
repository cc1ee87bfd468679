#pragma once

#include <string>

#include "listediting/BoiteExe.h"
#include "pages/Pages.h"
#include "platform/System.h"
#include "tray/TrayIconSet.h"

// The quick-launch entries as the user edits them on their page: each a line of the list and a
// record of the icon set. A new entry gets its icon at the next "Appliquer" or "Réduire"; a
// change or a removal shows in the notification area at once.
class LaunchList {
public:
    LaunchList(System& system, LaunchPage& page, TrayIconSet& icons, TBoiteExe& dialog);

    void ListeFichDblClick();
    void AjouterExeBtnClick();
    void ModifierExeBtnClick();
    void EnleverExeBtnClick();

private:
    // The record takes the dialog's fields.
    void TakeFields(TrayItem& item) const;

    System& system_;
    LaunchPage& page_;
    TrayIconSet& icons_;
    TBoiteExe& dialog_;
};
