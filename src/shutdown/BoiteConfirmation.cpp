#include "shutdown/BoiteConfirmation.h"

namespace {

constexpr int IconHand = 32513;
constexpr int IconExclamation = 32515;

}  // namespace

// The window's texts depend on its mode and are set each time it is shown; these are the
// design-time ones.
TBoiteConfirmation::TBoiteConfirmation(System& system, ui::Timer& eteindreTimer,
                                       const ui::Form& mainForm)
    : ui::Form("BoiteConfirmation"),
      system_(system),
      eteindreTimer_(eteindreTimer),
      mainForm_(mainForm) {
    SetCaption("Confirmation d'extinction automatique");
    SetClientSize(335, 98);
    SetBorder(ui::BorderStyle::Dialog);
    SetFont({"MS Sans Serif", -11});

    Icone.Place({10, 10, 32, 32});

    AttentionLbl.Place({50, 10, 276, 13}, "Attention !");
    AttentionLbl.SetAlignment(ui::Alignment::Center);
    AttentionLbl.SetFont({"MS Sans Serif", -11, true, false, ui::Red});

    MessageLbl.Place({45, 30, 286, 13});
    MessageLbl.SetAlignment(ui::Alignment::Center);

    OkBtn.Place({10, 64, 146, 28});
    OkBtn.SetGlyph("ZOKBTN");

    // Enter and Escape must not shut the computer down: both refuse, and the focus starts there.
    AnnulerBtn.Place({180, 64, 146, 28});
    AnnulerBtn.SetGlyph("ZANNULERBTN");
    AnnulerBtn.SetDefault(true);
    AnnulerBtn.SetCancel(true);
    SetActiveControl(&AnnulerBtn);

    Icone.OnPaint = [this](ui::PaintBox&, ui::Canvas& canvas) { PaintIcon(canvas); };
    OnShow = [this] { FormShow(); };
    // However it goes: a button, its system menu, or the end of its modal loop.
    OnHide = [this] { FormClose(); };
    OkBtn.OnClick = [this] { OkBtnClick(); };
    AnnulerBtn.OnClick = [this] { AnnulerBtnClick(); };
    FormCreate();
}

void TBoiteConfirmation::FormCreate() {
    ShowIcon(IconExclamation);
}

void TBoiteConfirmation::ShowIcon(int systemIcon) {
    icon_ = system_.LoadSystemIcon(systemIcon);
    Icone.Invalidate();
}

void TBoiteConfirmation::PaintIcon(ui::Canvas& canvas) {
    canvas.FillSolid({0, 0, 32, 32}, ui::syscolor::BtnFace);
    canvas.DrawIcon(0, 0, icon_, 32, 32);
}

void TBoiteConfirmation::FormShow() {
    if (!mainForm_.Showing()) MakeTopMost();
    if (Mode == ModeReminder) {
        SetCaption("Avertissement d'extinction automatique");
        MessageLbl.SetCaption("Vossik' va éteindre cet ordinateur dans 1 minute ...");
        OkBtn.SetCaption("Continuer le décompte");
        AnnulerBtn.SetCaption("Annuler le décompte");
        ShowIcon(IconExclamation);
    } else if (Mode == ModeConfirmation) {
        SetCaption("Confirmation d'extinction");
        MessageLbl.SetCaption("Vossik' va " + ActionText + " MAINTENANT");
        OkBtn.SetCaption("Oui, je confirme");
        AnnulerBtn.SetCaption("Non, je ne veux pas");
        ShowIcon(IconHand);
    }
    Answer = AnswerNone;
    system_.MessageBeep(Mode);
}

void TBoiteConfirmation::OkBtnClick() {
    Answer = AnswerAccepted;
    Close();
}

// "Annuler le décompte" suspends the schedule until its timer is started again. Refusing a
// shutdown leaves the schedule as it is: the scheduled question stopped the timer before it
// asked, and a question the user asked for has nothing to do with the schedule.
void TBoiteConfirmation::AnnulerBtnClick() {
    if (Mode == ModeReminder) eteindreTimer_.SetEnabled(false);
    Answer = AnswerRefused;
    Close();
}

void TBoiteConfirmation::FormClose() {
    SetTopMost(false);
}
