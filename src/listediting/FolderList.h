#pragma once

#include <optional>
#include <string>

#include "listediting/BoiteRepertoire.h"
#include "pages/Pages.h"
#include "platform/System.h"
#include "tray/TrayIconSet.h"

// The frequent folders as the user edits them on their page: each a line of the list and a
// record of the icon set. A new folder gets its icon at the next "Appliquer" or "Réduire"; a
// change or a removal shows in the notification area at once.
class FolderList {
public:
    FolderList(System& system, FoldersPage& page, TrayIconSet& icons, TBoiteRepertoire& picker);

    void ListeRepDblClick();
    void AjouterRepBtnClick();
    void ModifierRepBtnClick();
    void EnleverRepBtnClick();

private:
    // The folder chosen in the picker, once the user has agreed to every question about it;
    // nothing when the picker was cancelled or closed without a folder.
    std::optional<std::string> ChooseFolder(int excludedLine);
    bool ConfirmNotDriveRoot(const std::string& path);

    System& system_;
    FoldersPage& page_;
    TrayIconSet& icons_;
    TBoiteRepertoire& picker_;
};
