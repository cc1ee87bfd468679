#include <initializer_list>

#include "config/EnableControlTree.h"
#include "shutdown/ShutdownControl.h"

namespace {

// A schedule always powers off, whatever the icon does: its confirmation says so.
constexpr const char* ScheduledActionText = "éteindre cet ordinateur";

}  // namespace

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
            if (triedThisMinute_ || QuestionWaiting()) break;
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
