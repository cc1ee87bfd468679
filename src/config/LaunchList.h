#pragma once

#include <string>

#include "config/BoiteExe.h"
#include "config/Pages.h"
#include "platform/System.h"
#include "tray/TrayIconSet.h"

// The quick-launch entries as the user edits them on their page: each a line of the list and a
// record of the icon set. A new entry gets its icon at the next "Appliquer" or "Réduire"; a
// change or a removal shows in the notification area at once.
class LaunchList {
public:
    LaunchList(System& system, LaunchPage& page, TrayIconSet& icons, TBoiteExe& dialog,
               const std::wstring& settingsPath);

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
    const std::wstring& settingsPath_;
    TBoiteExe& dialog_;
};

// A line of the list: the label, then the command line and its parameters in parentheses. The
// blank before the closing parenthesis stays when there are no parameters.
std::string ListText(const std::string& label, const TrayItem& item);
