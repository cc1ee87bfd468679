#include "pages/Pages.h"
#include "ui/EnableControlTree.h"

using ui::EnableControlTree;

ConfigPages::ConfigPages(ui::Control& form, const TrayItemList& folders,
                         const TrayItemList& launches)
    : Onglets(&form, "Onglets"), PageRep(Onglets, folders), PageApp(Onglets, launches) {}

OpeningOptions ConfigPages::OpeningFor(TrayGroup group) const {
    switch (group) {
        case TrayGroup::GroupDrive:
            return {PageUS.RBExplorerUS.Checked(), PageUS.CBRacineUS.Checked()};
        case TrayGroup::GroupFolder:
            return {PageRep.RBExplorerREp.Checked(), PageRep.CBRacineRep.Checked()};
        default:
            return {};
    }
}

void DrivesPage::ActiverUSClick() {
    EnableControlTree(MontrerTypeUS, ActiverUS.Checked());
}

void FoldersPage::ActiverRepClick() {
    bool on = ActiverRep.Checked();
    EnableControlTree(ListeRep, on);
    EnableControlTree(AjouterRepBtn, on);
    ListeRepClick();
    EnableControlTree(NomRepLbl, on);
    // With the selection gone, "Modifier" and "Enlever" wait for a new one once back on.
    if (!on) ListeRep.SetItemIndex(-1);
}

void LaunchPage::ActiverExeClick() {
    bool on = ActiverExe.Checked();
    EnableControlTree(ListeFich, on);
    EnableControlTree(AjouterExeBtn, on);
    ListeFichClick();
    if (!on) ListeFich.SetItemIndex(-1);
}

void ShutdownPage::CBAfficherArreterClick() {
    bool on = CBAfficherArreter.Checked();
    EnableControlTree(TypeReboot, on);
    // Restarting Windows alone is none of the Actions: greyed, whatever the group.
    RBRedWin.SetEnabled(false);
    EnableControlTree(CBForcer, on);
    EnableControlTree(CBConfirmer, on);
}

const ui::RadioButton* ShutdownPage::ChosenAction() const {
    for (const ui::RadioButton* action : Actions)
        if (action->Checked()) return action;
    return nullptr;
}

std::string ShutdownPage::ActionCaption() const {
    const ui::RadioButton* chosen = ChosenAction();
    return chosen ? chosen->Caption() : "Erreur de nom ???";
}

void AboutPage::ActiverMAJClick() {
    EnableControlTree(GroupeMAJ, CBActiverMAJ.Checked());
}
