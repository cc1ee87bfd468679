#include "shutdown/ShutdownControl.h"

#include "config/EnableControlTree.h"
#include "platform/MessageBox.h"
#include "tray/TrayIcon.h"

namespace {

constexpr int ConfiguredActionCode = -1;
constexpr const char* FailureText = "Echec de la procédure d'extinction ...";
// A schedule always powers off, whatever the icon does: its confirmation says so.
constexpr const char* ScheduledActionText = "éteindre cet ordinateur";

}  // namespace

ShutdownControl::ShutdownControl(System& system, ShutdownPage& page, TrayItem& shutdownItem,
                                 ui::Form& mainForm, std::function<void()> saveSettings)
    : BoiteConfirmation(system, EteindreTimer, mainForm),
      system_(system),
      page_(page),
      item_(shutdownItem),
      mainForm_(mainForm),
      saveSettings_(std::move(saveSettings)) {
    EteindreTimer.SetInterval(600);
    EteindreTimer.OnTimer = [this] { EteindreTimerTimer(); };
    for (ui::RadioButton* radio :
         {&page_.RBLogOff, &page_.RBRedWin, &page_.RBRedemarrer, &page_.RBEteindre})
        radio->OnClick = [this, radio] { RBTypeArreterClick(*radio); };
    page_.CBEteindreAuto.OnClick = [this] { CBEteindreAutoClick(); };
    CBEteindreAutoClick();
}

std::string ShutdownControl::CaptionOf(int action) const {
    for (const ui::RadioButton* radio :
         {&page_.RBLogOff, &page_.RBRedWin, &page_.RBRedemarrer, &page_.RBEteindre})
        if (radio->Tag() == action) return radio->Caption();
    return {};
}

void ShutdownControl::RBTypeArreterClick(const ui::RadioButton& sender) {
    const std::string caption = sender.Caption();
    BoiteConfirmation.ActionText = caption;
    if (caption == item_.Name) return;
    // The tip changes even while the icon is hidden, so that it comes back right.
    PrepareIconChange(item_.IconData, item_.Icon.Get(), caption, true);
    item_.Name = caption;
    ModifyTrayIcon(system_, item_);
}

void ShutdownControl::MenuContextEteindre(int action) {
    BoiteConfirmation.ActionText = CaptionOf(action);
    PerformShutdown(action);
}

int ShutdownControl::ConfiguredAction() const {
    for (const ui::RadioButton* radio : {&page_.RBLogOff, &page_.RBRedWin, &page_.RBRedemarrer})
        if (radio->Checked()) return radio->Tag();
    return page_.RBEteindre.Tag();
}

void ShutdownControl::PerformShutdown(int action) {
    // A reminder may be showing.
    if (BoiteConfirmation.Showing()) BoiteConfirmation.Close();
    if (page_.CBConfirmer.Checked()) {
        BoiteConfirmation.Mode = TBoiteConfirmation::ModeConfirmation;
        if (action == ConfiguredActionCode) BoiteConfirmation.ActionText = item_.Tip();
        BoiteConfirmation.ShowModal();
        if (BoiteConfirmation.Answer != TBoiteConfirmation::AnswerAccepted) return;
    }
    ShutdownAction code = action == ConfiguredActionCode ? ConfiguredAction() : action;
    if (page_.CBForcer.Checked()) code |= page_.CBForcer.Tag();
    EndSession(code);
}

// On success the program ends without saving: nothing changed since the options were applied.
void ShutdownControl::EndSession(ShutdownAction code) {
    if (QuitWindows(system_, code)) {
        mainForm_.Close();
        return;
    }
    MessageWithBeep(system_, FailureText, MessageKind::Error);
}

void ShutdownControl::CBEteindreAutoClick() {
    bool on = page_.CBEteindreAuto.Checked();
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&page_.Heure, &page_.Minutes, &page_.GroupePeriode,
                                             &page_.CBRappel1min, &page_.CBConfirmationAuto})
        EnableControlTree(*control, on);
    if (on) return;
    // Once the schedule is off, the next one asks for confirmation again, and the one that was
    // counting down says nothing more.
    page_.CBConfirmationAuto.SetChecked(true);
    EteindreTimer.SetEnabled(false);
}

void ShutdownControl::ApplyTimerRule() {
    if (!EteindreTimer.Enabled() && page_.CBEteindreAuto.Checked()) EteindreTimer.SetEnabled(true);
}

void ShutdownControl::EteindreTimerTimer() {
    Due due =
        ScheduleDue(system_.LocalTime(), page_.Heure.ItemIndex(), page_.Minutes.ItemIndex() * 5);
    if (due != Due::Shutdown) triedThisMinute_ = false;
    switch (due) {
        case Due::Reminder:
            // The countdown goes on; a reminder closed during its minute opens again.
            if (page_.CBRappel1min.Checked() && !BoiteConfirmation.Showing()) {
                BoiteConfirmation.Mode = TBoiteConfirmation::ModeReminder;
                BoiteConfirmation.Show();
            }
            break;
        case Due::Shutdown:
            if (triedThisMinute_) break;
            if (BoiteConfirmation.Showing()) BoiteConfirmation.Close();
            if (page_.CBConfirmationAuto.Checked()) {
                AskScheduledConfirmation();
            } else {
                ScheduledShutdown();
            }
            break;
        case Due::Nothing:
            break;
    }
}

// No tick comes while the question waits: the timer stops first.
void ShutdownControl::AskScheduledConfirmation() {
    EteindreTimer.SetEnabled(false);
    BoiteConfirmation.Mode = TBoiteConfirmation::ModeConfirmation;
    BoiteConfirmation.ActionText = ScheduledActionText;
    BoiteConfirmation.ShowModal();
    if (BoiteConfirmation.Answer == TBoiteConfirmation::AnswerAccepted) {
        ScheduledShutdown();
        return;
    }
    // A daily schedule waits for the timer to start again; a one-time one is over.
    if (Daily()) return;
    page_.CBEteindreAuto.SetChecked(false);
    saveSettings_();
}

void ShutdownControl::ScheduledShutdown() {
    // A one-time schedule is off at the next start, whatever happens now.
    if (!Daily()) page_.CBEteindreAuto.SetChecked(false);
    saveSettings_();
    triedThisMinute_ = true;
    EndSession(action::Scheduled);
}

void ShutdownControl::KeepConfirmationOnTop() {
    if (BoiteConfirmation.Showing()) BoiteConfirmation.MakeTopMost();
}
