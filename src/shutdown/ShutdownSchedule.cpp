#include <initializer_list>

#include "platform/MessageBox.h"
#include "shutdown/ShutdownControl.h"
#include "ui/EnableControlTree.h"

namespace {

// A schedule always powers off, whatever the icon does: its confirmation says so.
constexpr const char* ScheduledActionText = "éteindre cet ordinateur";

// Often enough to reopen a reminder closed during its minute and to catch the minute itself.
constexpr unsigned WatchingTick = 600;

}  // namespace

void ShutdownControl::CBEteindreAutoClick() {
    bool on = page_.CBEteindreAuto.Checked();
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&page_.Heure, &page_.Minutes, &page_.GroupePeriode,
                                             &page_.CBRappel1min, &page_.CBConfirmationAuto})
        ui::EnableControlTree(*control, on);
    if (on) return;
    // Once the schedule is off, the next one asks for confirmation again, and the one that was
    // counting down says nothing more.
    page_.CBConfirmationAuto.SetChecked(true);
    EteindreTimer.SetEnabled(false);
    if (BoiteConfirmation.Showing() && BoiteConfirmation.Mode == TBoiteConfirmation::ModeReminder)
        BoiteConfirmation.Close();
}

void ShutdownControl::SwitchOffInvalidSchedule() {
    bool valid = true;
    for (ui::ComboBox* list : {&page_.Heure, &page_.Minutes}) {
        if (list->ItemIndex() >= 0) continue;
        valid = false;
        list->SetItemIndex(0);
    }
    if (valid || !page_.CBEteindreAuto.Checked()) return;
    page_.CBEteindreAuto.SetChecked(false);
    MessageWithBeep(system_,
                    "L'heure d'extinction automatique enregistrée n'est pas valide : "
                    "l'extinction automatique n'a pas été programmée.",
                    MessageKind::Warning);
}

void ShutdownControl::ApplyTimerRule() {
    if (EteindreTimer.Enabled() || !page_.CBEteindreAuto.Checked()) return;
    EteindreTimer.SetInterval(NextTickDelay());
    EteindreTimer.SetEnabled(true);
}

Due ShutdownControl::DueAt(TimeOfDay now) const {
    return ScheduleDue(now, page_.Heure.ItemIndex(), page_.Minutes.ItemIndex() * 5);
}

// The count of milliseconds is read as a difference, which is right across its wrap.
bool ShutdownControl::MinuteHandled() {
    return handledAt_ && system_.TickCount() - *handledAt_ < MillisecondsPerMinute;
}

unsigned ShutdownControl::NextTickDelay() {
    const TimeOfDay now = system_.LocalTime();
    const Due due = DueAt(now);
    if (due == Due::Reminder || (due == Due::Shutdown && !MinuteHandled())) return WatchingTick;
    return UntilNextMinute(now);
}

void ShutdownControl::EteindreTimerTimer() {
    const Due due = DueAt(system_.LocalTime());
    if (due != Due::Shutdown) handledAt_.reset();
    switch (due) {
        case Due::Reminder:
            // The countdown goes on; a reminder closed during its minute opens again.
            if (page_.CBRappel1min.Checked() && !BoiteConfirmation.Showing()) {
                BoiteConfirmation.Mode = TBoiteConfirmation::ModeReminder;
                BoiteConfirmation.Show();
            }
            break;
        case Due::Shutdown:
            if (MinuteHandled() || QuestionWaiting()) break;
            handledAt_ = system_.TickCount();
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
    // A question may have waited long: the clock is read again.
    EteindreTimer.SetInterval(NextTickDelay());
}

void ShutdownControl::CheckScheduleNow() {
    if (EteindreTimer.Enabled()) EteindreTimerTimer();
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
    saveSettings_("");
}

// The exit call follows the save at once, within the minute or right after the confirmation. A
// save that fails gives up the shutdown: its box may stay open for hours, and closing it must not
// force every program closed then.
void ShutdownControl::ScheduledShutdown() {
    // A one-time schedule is off at the next start, whatever happens now.
    if (!Daily()) page_.CBEteindreAuto.SetChecked(false);
    if (!saveSettings_(AbandonedShutdownText())) return;
    EndSession(action::Scheduled);
}

std::string ShutdownControl::AbandonedShutdownText() const {
    const int minute = page_.Minutes.ItemIndex() * 5;
    return "L'extinction automatique de " + std::to_string(page_.Heure.ItemIndex()) + " h " +
           (minute < 10 ? "0" : "") + std::to_string(minute) +
           " n'a pas eu lieu : Vossik' n'a pas pu enregistrer ses paramètres avant d'éteindre "
           "l'ordinateur.\r\n\n";
}

void ShutdownControl::KeepConfirmationOnTop() {
    if (BoiteConfirmation.Showing()) BoiteConfirmation.MakeTopMost();
}
