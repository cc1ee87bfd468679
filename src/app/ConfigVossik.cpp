#include "app/ConfigVossik.h"

#include "config/EnableControlTree.h"
#include "shutdown/BoiteConfirmation.h"

TConfigVossik::TConfigVossik(System& system, ui::Application& application)
    : ui::Form("ConfigVossik"), system_(system), application_(application) {
    LayOut();
    WireEvents();
}

TConfigVossik::~TConfigVossik() { DestructionFiche(); }

void TConfigVossik::WireEvents() {
    OnShow = [this] { MontrerFiche(); };
    OnHide = [this] { CacherFiche(); };
    OnDeactivate = [this] { DesactiverFiche(); };
    OkBtn.OnClick = [this] { OkBtnClick(); };
    AppliquerBtn.OnClick = [this] { AppliquerBtnClick(); };
    QuitterBtn.OnClick = [this] { QuitterBtnClick(); };
    PageAPropos.ReorganiserBtn.OnClick = [this] { ReorganiserBtnClick(); };
    PageEteindre.CBEteindreAuto.OnClick = [this] { CBEteindreAutoClick(); };
    PageEteindre.CBAfficherArreter.OnClick = [this] { CBAfficherArreterClick(); };
    PageAPropos.CBActiverMAJ.OnClick = [this] { ActiverMAJClick(); };
    OnMessage = [](const WindowMessage& message,
                   const DefaultProc& callDefault) -> std::optional<std::intptr_t> {
        // The window can be dragged by its body, as by its title bar.
        constexpr std::intptr_t HtClient = 1, HtCaption = 2;
        if (message.Msg != msg::NcHitTest) return std::nullopt;
        std::intptr_t hit = callDefault();
        return hit == HtClient ? HtCaption : hit;
    };
}

void TConfigVossik::MontrerFiche() { application_.ShowTaskbarButton(); }

void TConfigVossik::CacherFiche() {
    ApplyTimerRule();
    application_.HideTaskbarButton();
}

// Starts the shutdown timer when its box is ticked; never stops a running timer.
void TConfigVossik::ApplyTimerRule() {
    if (!EteindreTimer.Enabled() && PageEteindre.CBEteindreAuto.Checked())
        EteindreTimer.SetEnabled(true);
}

void TConfigVossik::OkBtnClick() {
    RefreshTrayIcons();
    ApplyTimerRule();
    if (CheckSomeIconShown()) Hide();
}

void TConfigVossik::AppliquerBtnClick() { RefreshTrayIcons(); }

void TConfigVossik::QuitterBtnClick() { Close(); }

void TConfigVossik::DesactiverFiche() {
    TBoiteConfirmation* confirmation = dialogs_.BoiteConfirmation;
    if (confirmation && confirmation->Showing()) confirmation->MakeTopMost();
}

void TConfigVossik::CBEteindreAutoClick() {
    ShutdownPage& page = PageEteindre;
    bool on = page.CBEteindreAuto.Checked();
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &page.Heure, &page.Minutes, &page.GroupePeriode, &page.CBRappel1min,
             &page.CBConfirmationAuto})
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
