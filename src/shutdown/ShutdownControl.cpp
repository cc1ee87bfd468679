#include "shutdown/ShutdownControl.h"

#include "platform/MessageBox.h"

ShutdownControl::ShutdownControl(System& system, ShutdownPage& page, TrayItem& shutdownItem,
                                 NotificationArea& area, ui::Form& mainForm,
                                 UnaskedSave saveSettings)
    : BoiteConfirmation(system, EteindreTimer, mainForm),
      system_(system),
      page_(page),
      item_(shutdownItem),
      area_(area),
      mainForm_(mainForm),
      saveSettings_(std::move(saveSettings)) {
    // The start rule runs the timer.
    EteindreTimer.OnTimer = [this] { EteindreTimerTimer(); };
    for (ui::RadioButton* radio : page_.Actions)
        radio->OnClick = [this, radio] { RBTypeArreterClick(*radio); };
    page_.CBEteindreAuto.OnClick = [this] { CBEteindreAutoClick(); };
    CBEteindreAutoClick();
}

std::string ShutdownControl::CaptionOf(ShutdownAction action) const {
    for (const ui::RadioButton* radio : page_.Actions)
        if (static_cast<ShutdownAction>(radio->Tag()) == action) return radio->Caption();
    return {};
}

void ShutdownControl::RBTypeArreterClick(const ui::RadioButton& sender) {
    const std::string caption = sender.Caption();
    BoiteConfirmation.ActionText = caption;
    if (caption == item_.Name) return;
    // The tip changes even while the icon is hidden, so that it comes back right.
    PrepareIconChange(item_.IconData, item_.Icon.Get(), caption, true);
    item_.Name = caption;
    ModifyTrayIcon(area_, item_);
}

void ShutdownControl::MenuContextEteindre(ShutdownAction action) {
    BoiteConfirmation.ActionText = CaptionOf(action);
    PerformShutdown(action);
}

// None checked (a stored code off the page's buttons): the last, powering off.
ShutdownAction ShutdownControl::ConfiguredAction() const {
    const ui::RadioButton* chosen = page_.ChosenAction();
    return static_cast<ShutdownAction>((chosen ? chosen : page_.Actions.back())->Tag());
}

bool ShutdownControl::QuestionWaiting() const {
    return BoiteConfirmation.Showing() &&
           BoiteConfirmation.Mode == TBoiteConfirmation::ModeConfirmation;
}

void ShutdownControl::PerformShutdown(std::optional<ShutdownAction> action) {
    if (QuestionWaiting()) return;
    // A reminder may be showing.
    if (BoiteConfirmation.Showing()) BoiteConfirmation.Close();
    if (page_.CBConfirmer.Checked()) {
        BoiteConfirmation.Mode = TBoiteConfirmation::ModeConfirmation;
        if (!action) BoiteConfirmation.ActionText = item_.Tip();
        BoiteConfirmation.ShowModal();
        if (BoiteConfirmation.Answer != TBoiteConfirmation::AnswerAccepted) return;
    }
    ShutdownAction code = action.value_or(ConfiguredAction());
    if (page_.CBForcer.Checked()) code |= static_cast<ShutdownAction>(page_.CBForcer.Tag());
    EndSession(code);
}

// On success the program ends without saving: nothing changed since the options were applied.
void ShutdownControl::EndSession(ShutdownAction code) {
    if (QuitWindows(system_, code)) {
        mainForm_.Close();
        return;
    }
    MessageWithBeep(system_, "Echec de la procédure d'extinction ...", MessageKind::Error);
}
