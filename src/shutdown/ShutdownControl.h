#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "pages/Pages.h"
#include "platform/System.h"
#include "shutdown/BoiteConfirmation.h"
#include "shutdown/QuitWin.h"
#include "shutdown/ScheduleDue.h"
#include "tray/TrayIcon.h"
#include "types/TrayItem.h"
#include "ui/Form.h"
#include "ui/Timer.h"

// Saves the settings without asking anything; false when the file could not be written, after
// one box whose text begins with the lead-in given.
using UnaskedSave = std::function<bool(const std::string& failureLeadIn)>;

// The shutdown icon's action, the shutdowns asked from the icon and its menu, and the daily or
// one-time scheduled shutdown with its reminder and confirmation. The options are the controls
// of the shutdown page; the main form is closed when the system accepts a request.
class ShutdownControl {
public:
    ShutdownControl(System& system, ShutdownPage& page, TrayItem& shutdownItem,
                    NotificationArea& area, ui::Form& mainForm, UnaskedSave saveSettings);

    // The icon's tip and name follow the checked action.
    void RBTypeArreterClick(const ui::RadioButton& sender);
    // A one-off action from the icon's menu; the configured action stays as it is.
    void MenuContextEteindre(ShutdownAction action);
    // Confirms if asked, then ends the session; without an action, the one checked on the page.
    void PerformShutdown(std::optional<ShutdownAction> action = std::nullopt);

    void CBEteindreAutoClick();
    // A time that is not on the page's lists is no schedule: each list without a line shows its
    // first, and a schedule that was on is switched off with a warning. For the settings just
    // loaded, which are left in the file until the user applies.
    void SwitchOffInvalidSchedule();
    // Starts the timer when a schedule is set; never stops a running one.
    void ApplyTimerRule();
    // The timer watches the schedule's two minutes closely and sleeps until the next minute
    // begins outside them.
    void EteindreTimerTimer();
    // The clock was set, or the computer woke up: the schedule is looked at at once.
    void CheckScheduleNow();
    void ScheduledShutdown();
    // Deactivating the application takes the topmost state from its windows: given back.
    void KeepConfirmationOnTop();

    ui::Timer EteindreTimer;
    TBoiteConfirmation BoiteConfirmation;

private:
    std::string CaptionOf(ShutdownAction action) const;
    ShutdownAction ConfiguredAction() const;
    bool Daily() const { return page_.GroupePeriode.ItemIndex() == 1; }
    Due DueAt(TimeOfDay now) const;
    // The shutdown minute was acted on: its question asked or its exit call made.
    bool MinuteHandled();
    // Until the next look at the clock.
    unsigned NextTickDelay();
    // A shutdown question is open: another one would take its answer, and the session would be
    // ended twice.
    bool QuestionWaiting() const;
    void AskScheduledConfirmation();
    // What the box of a failed save before the scheduled shutdown begins with.
    std::string AbandonedShutdownText() const;
    void EndSession(ShutdownAction code);

    System& system_;
    ShutdownPage& page_;
    TrayItem& item_;
    NotificationArea& area_;
    ui::Form& mainForm_;
    UnaskedSave saveSettings_;
    // When the shutdown minute was acted on (a tick count): one exit call or question per
    // minute, even when the timer is started again within it.
    std::optional<std::uint32_t> handledAt_;
};
