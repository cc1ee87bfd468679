#include "app/ConfigVossik.h"

#include "shutdown/BoiteConfirmation.h"

TConfigVossik::TConfigVossik(System& system, ui::Application& application)
    : ui::Form("ConfigVossik"), system_(system), application_(application) {
    LayOut();
    WireEvents();
}

TConfigVossik::~TConfigVossik() {
    DestructionFiche();
}

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
    PageUS.ActiverUS.OnClick = [this] { ActiverUSClick(); };
    PageRep.ActiverRep.OnClick = [this] { ActiverRepClick(); };
    PageApp.ActiverExe.OnClick = [this] { ActiverExeClick(); };
    PageRep.ListeRep.OnClick = [this] { ListeRepClick(); };
    PageRep.ListeRep.OnExit = [this] { ListeRepClick(); };
    PageApp.ListeFich.OnClick = [this] { ListeFichClick(); };
    PageApp.ListeFich.OnExit = [this] { ListeFichClick(); };
    PageAPropos.VersionBtn.OnClick = [this] { VersionBtnClick(); };
    MCConfig.OnClick = [this] { MCConfigClick(); };
    OnPaint = [this](ui::Canvas& canvas) { PeindreFiche(canvas); };
    auto drawIcon = [this](ui::PaintBox& box, ui::Canvas& canvas) { AfficherIcone(box, canvas); };
    PageUS.Icone1.OnPaint = drawIcon;
    PageAPropos.Icone2.OnPaint = drawIcon;
    auto drawLine = [this](ui::ListBox& list, ui::Canvas& canvas, int index, const ui::Rect& rect,
                           ui::DrawItemState state) {
        DessineIconeListe(list, canvas, index, rect, state);
    };
    PageRep.ListeRep.OnDrawItem = drawLine;
    PageApp.ListeFich.OnDrawItem = drawLine;
    OnMessage = [this](const WindowMessage& message,
                       const DefaultProc& callDefault) -> std::optional<std::intptr_t> {
        switch (message.Msg) {
            case msg::TrayCallback:
                TrayMessage(message);
                return 0;
            case msg::NcHitTest: {
                // The window can be dragged by its body, as by its title bar.
                constexpr std::intptr_t HtClient = 1, HtCaption = 2;
                std::intptr_t hit = callDefault();
                return hit == HtClient ? HtCaption : hit;
            }
            default:
                return std::nullopt;
        }
    };
}

void TConfigVossik::MontrerFiche() {
    application_.ShowTaskbarButton();
}

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
    if (!SaveSettings()) return;
    ApplyTimerRule();
    if (CheckSomeIconShown()) Hide();
}

void TConfigVossik::AppliquerBtnClick() {
    RefreshTrayIcons();
    SaveSettings();
}

// A settings file that cannot be written keeps the program open: nothing is lost.
void TConfigVossik::QuitterBtnClick() {
    if (SaveSettings()) Close();
}

void TConfigVossik::DesactiverFiche() {
    TBoiteConfirmation* confirmation = dialogs_.BoiteConfirmation;
    if (confirmation && confirmation->Showing()) confirmation->MakeTopMost();
}
