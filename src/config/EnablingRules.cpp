#include "app/ConfigVossik.h"
#include "config/EnableControlTree.h"

void TConfigVossik::ActiverUSClick() {
    EnableControlTree(PageUS.MontrerTypeUS, PageUS.ActiverUS.Checked());
}

void TConfigVossik::ActiverRepClick() {
    FoldersPage& page = PageRep;
    bool on = page.ActiverRep.Checked();
    EnableControlTree(page.ListeRep, on);
    EnableControlTree(page.AjouterRepBtn, on);
    ListeRepClick();
    EnableControlTree(page.NomRepLbl, on);
    // With the selection gone, "Modifier" and "Enlever" wait for a new one once back on.
    if (!on) page.ListeRep.SetItemIndex(-1);
}

void TConfigVossik::ActiverExeClick() {
    LaunchPage& page = PageApp;
    bool on = page.ActiverExe.Checked();
    EnableControlTree(page.ListeFich, on);
    EnableControlTree(page.AjouterExeBtn, on);
    ListeFichClick();
    if (!on) page.ListeFich.SetItemIndex(-1);
}

void TConfigVossik::CBEteindreAutoClick() {
    ShutdownPage& page = PageEteindre;
    bool on = page.CBEteindreAuto.Checked();
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&page.Heure, &page.Minutes, &page.GroupePeriode,
                                             &page.CBRappel1min, &page.CBConfirmationAuto})
        EnableControlTree(*control, on);
    // Once the schedule is off, the next one asks for confirmation again.
    if (!on) page.CBConfirmationAuto.SetChecked(true);
}

void TConfigVossik::CBAfficherArreterClick() {
    ShutdownPage& page = PageEteindre;
    bool on = page.CBAfficherArreter.Checked();
    EnableControlTree(page.TypeReboot, on);
    // Restarting Windows alone does not exist on XP.
    page.RBRedWin.SetEnabled(on && !IsWindowsXP);
    EnableControlTree(page.CBForcer, on);
    EnableControlTree(page.CBConfirmer, on);
}

void TConfigVossik::ActiverMAJClick() {
    EnableControlTree(PageAPropos.GroupeMAJ, PageAPropos.CBActiverMAJ.Checked());
}
