#include "support/MainFormFixture.h"

namespace {

class ShutdownTest : public MainFormFixture {
protected:
    TConfigVossik& StartShown() {
        WithSettingsFile();
        TConfigVossik& form = Start();
        form.Icons.RefreshTrayIcons();
        system.calls.clear();
        return form;
    }

    TBoiteConfirmation& Box() { return form->Shutdown.BoiteConfirmation; }

    // The next modal confirmation is answered with that button; what it showed is kept.
    struct Seen {
        std::string Caption, Message;
        bool TopMost = false;
        bool TimerRunning = false;
    };
    void AnswerNext(ui::Button TBoiteConfirmation::*button, Seen* seen = nullptr) {
        backend.modalAnswers.push_back([this, button, seen](ui::Form&) {
            if (seen)
                *seen = {Box().Caption(), Box().MessageLbl.Caption(), Box().TopMost(),
                         form->Shutdown.EteindreTimer.Enabled()};
            (Box().*button).Click();
            return ui::ModalResult::None;
        });
    }

    void ClickIcon() {
        form->OnMessage({msg::TrayCallback, 10000, msg::LButtonDown},
                        [] { return std::intptr_t{0}; });
    }

    std::vector<std::string> ExitCalls() const {
        std::vector<std::string> exits;
        for (const std::string& call : system.calls)
            if (call.starts_with("exitwindows")) exits.push_back(call);
        return exits;
    }

    // A schedule at 22:30 with the timer running and the clock at that time.
    ShutdownPage& Schedule(int periodicity) {
        ShutdownPage& page = form->Pages.PageEteindre;
        page.CBEteindreAuto.SetChecked(true);
        page.Heure.SetItemIndex(22);
        page.Minutes.SetItemIndex(6);
        page.GroupePeriode.SetItemIndex(periodicity);
        form->Shutdown.ApplyTimerRule();
        return page;
    }

    void TickAt(int hour, int minute) {
        system.clock = {hour, minute};
        form->Shutdown.EteindreTimer.Tick();
    }

    std::string SavedSchedule() const {
        const std::string& file = system.fileContents.at(SettingsFile);
        return file.substr(file.find("[Eteindre auto]"));
    }
};

}  // namespace

TEST_F(ShutdownTest, TheTipFollowsTheCheckedActionEvenHiddenAndAMenuActionChangesNothingStored) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = form.Pages.PageEteindre;
    page.RBRedemarrer.SetChecked(true);
    page.RBEteindre.SetChecked(true);
    EXPECT_EQ(system.trayTips[10000], "Eteindre");
    EXPECT_EQ(form.Icons.ShutdownItem.Name, "Eteindre");

    page.CBAfficherArreter.SetChecked(false);
    form.Icons.RefreshTrayIcons();
    system.calls.clear();
    page.RBLogOff.SetChecked(true);
    EXPECT_TRUE(NotifyCalls().empty()) << "a hidden icon is not sent";
    page.CBAfficherArreter.SetChecked(true);
    form.Icons.RefreshTrayIcons();
    EXPECT_EQ(system.trayTips[10000], "Terminer la session");

    // Restarting Windows alone cannot be chosen: nothing acts on its button or its item.
    page.RBRedWin.SetChecked(true);
    form.Menu.MCRedemarrerWin.Click();
    EXPECT_EQ(system.trayTips[10000], "Terminer la session");
    EXPECT_TRUE(ExitCalls().empty());

    // A one-off restart from the icon menu, confirmed: the configured action stays.
    page.RBEteindre.SetChecked(true);
    Seen seen;
    AnswerNext(&TBoiteConfirmation::OkBtn, &seen);
    form.Menu.MCRedemarrerPC.Click();
    EXPECT_EQ(seen.Message, "Vossik' va Redémarrer l'ordinateur MAINTENANT");
    EXPECT_EQ(ExitCalls(), std::vector<std::string>{"exitwindows 2"});
    EXPECT_EQ(system.trayTips[10000], "Eteindre");
    EXPECT_TRUE(page.RBEteindre.Checked());
    EXPECT_TRUE(backend.quitRequested) << "an accepted request ends the program";
}

TEST_F(ShutdownTest, AClickOnTheIconConfirmsTheConfiguredActionAndARefusalLeavesEverythingRunning) {
    TConfigVossik& form = StartShown();
    form.Pages.PageEteindre.RBRedemarrer.SetChecked(true);
    ShutdownPage& page = Schedule(0);
    Seen seen;
    AnswerNext(&TBoiteConfirmation::AnnulerBtn, &seen);
    ClickIcon();
    EXPECT_EQ(seen.Caption, "Confirmation d'extinction");
    EXPECT_EQ(seen.Message, "Vossik' va Redémarrer l'ordinateur MAINTENANT");
    EXPECT_TRUE(seen.TopMost) << "nothing else of ours shows";
    EXPECT_EQ(Box().Answer, TBoiteConfirmation::AnswerRefused);
    EXPECT_FALSE(Box().Showing());
    EXPECT_FALSE(Box().TopMost());
    EXPECT_TRUE(form.Shutdown.EteindreTimer.Enabled()) << "the schedule is not the icon's business";
    EXPECT_TRUE(page.CBEteindreAuto.Checked());
    EXPECT_TRUE(ExitCalls().empty());
    EXPECT_FALSE(backend.quitRequested);
    EXPECT_EQ(system.beeps, std::vector<unsigned>{32});
    EXPECT_NE(std::find(system.calls.begin(), system.calls.end(), "loadsystemicon 32513"),
              system.calls.end());

    // Closed by its system menu: no answer, nothing done.
    backend.modalAnswers.push_back([this](ui::Form&) {
        Box().Close();
        return ui::ModalResult::Cancel;
    });
    ClickIcon();
    EXPECT_EQ(Box().Answer, TBoiteConfirmation::AnswerNone);
    EXPECT_TRUE(ExitCalls().empty());
}

TEST_F(ShutdownTest, ForceAndConfirmationOptionsAndARefusedExitCall) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = form.Pages.PageEteindre;
    page.CBConfirmer.SetChecked(false);
    page.CBForcer.SetChecked(true);
    page.RBLogOff.SetChecked(true);
    system.exitAccepted = false;
    ClickIcon();
    EXPECT_TRUE(backend.modalShown.empty()) << "no window without confirmation";
    EXPECT_EQ(ExitCalls(), std::vector<std::string>{"exitwindows 4"});
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Title, "Erreur");
    EXPECT_EQ(system.boxes[0].Text, "Echec de la procédure d'extinction ...");
    EXPECT_FALSE(backend.quitRequested);

    // No action checked at all: power off.
    page.CBForcer.SetChecked(false);
    page.RBLogOff.SetChecked(false);
    system.calls.clear();
    ClickIcon();
    EXPECT_EQ(ExitCalls(), std::vector<std::string>{"exitwindows 8"});
}

TEST_F(ShutdownTest, OneTimeScheduleRemindsAgainUntilTheMinuteThenARefusalSwitchesItOffAndSaves) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = Schedule(0);
    ui::Timer& timer = form.Shutdown.EteindreTimer;
    ASSERT_TRUE(timer.Enabled());

    TickAt(22, 28);
    EXPECT_FALSE(Box().Showing());
    TickAt(22, 29);
    ASSERT_TRUE(Box().Showing()) << "shown without blocking";
    EXPECT_EQ(Box().Caption(), "Avertissement d'extinction automatique");
    EXPECT_EQ(Box().MessageLbl.Caption(), "Vossik' va éteindre cet ordinateur dans 1 minute ...");
    EXPECT_EQ(Box().OkBtn.Caption(), "Continuer le décompte");
    EXPECT_EQ(Box().AnnulerBtn.Caption(), "Annuler le décompte");
    EXPECT_TRUE(Box().TopMost());
    EXPECT_EQ(system.beeps, std::vector<unsigned>{16});
    Box().OkBtn.Click();
    EXPECT_FALSE(Box().Showing());
    TickAt(22, 29);
    EXPECT_TRUE(Box().Showing()) << "again at the next tick of the minute";

    Seen seen;
    AnswerNext(&TBoiteConfirmation::AnnulerBtn, &seen);
    TickAt(22, 30);
    EXPECT_EQ(backend.modalShown.size(), 1u);
    EXPECT_EQ(seen.Caption, "Confirmation d'extinction");
    EXPECT_EQ(seen.Message, "Vossik' va éteindre cet ordinateur MAINTENANT");
    EXPECT_FALSE(seen.TimerRunning) << "stopped before the question";
    EXPECT_EQ(system.beeps.back(), 32u);
    EXPECT_FALSE(page.CBEteindreAuto.Checked());
    EXPECT_TRUE(SavedSchedule().starts_with("[Eteindre auto]\r\nActiver=0\r\n"));
    EXPECT_TRUE(ExitCalls().empty());

    // Hiding the window again starts nothing: the schedule is off.
    form.Show();
    form.Hide();
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(ShutdownTest, DailyScheduleAcceptedSavesItStillOnAndShutsDownWithForce) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = Schedule(1);
    page.RBLogOff.SetChecked(true);  // the icon's action plays no part
    AnswerNext(&TBoiteConfirmation::OkBtn);
    TickAt(22, 30);
    EXPECT_TRUE(page.CBEteindreAuto.Checked());
    EXPECT_TRUE(SavedSchedule().starts_with("[Eteindre auto]\r\nActiver=1\r\n"));
    EXPECT_EQ(ExitCalls(), std::vector<std::string>{"exitwindows 5"});
    EXPECT_TRUE(backend.quitRequested);
    EXPECT_FALSE(form.Showing());
}

TEST_F(ShutdownTest, DailyScheduleRefusedWaitsForTheTimerToStartAgain) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = Schedule(1);
    TickAt(22, 29);
    Box().AnnulerBtn.Click();
    EXPECT_FALSE(form.Shutdown.EteindreTimer.Enabled()) << "cancelling the countdown stops it";
    EXPECT_TRUE(page.CBEteindreAuto.Checked());
    TickAt(22, 30);
    EXPECT_TRUE(backend.modalShown.empty());

    form.Shutdown.ApplyTimerRule();
    AnswerNext(&TBoiteConfirmation::AnnulerBtn);
    TickAt(22, 30);
    EXPECT_EQ(backend.modalShown.size(), 1u);
    EXPECT_TRUE(page.CBEteindreAuto.Checked());
    EXPECT_FALSE(form.Shutdown.EteindreTimer.Enabled());
    EXPECT_TRUE(ExitCalls().empty());
}

TEST_F(ShutdownTest, WithoutReminderAndConfirmationAFailedCallIsReportedOncePerMinute) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = Schedule(1);
    page.CBRappel1min.SetChecked(false);
    page.CBConfirmationAuto.SetChecked(false);
    system.exitAccepted = false;
    TickAt(22, 29);
    EXPECT_FALSE(Box().Showing());
    TickAt(22, 30);
    TickAt(22, 30);
    EXPECT_TRUE(backend.modalShown.empty());
    EXPECT_EQ(ExitCalls(), std::vector<std::string>{"exitwindows 5"});
    EXPECT_EQ(system.boxes.size(), 1u);
    EXPECT_TRUE(form.Shutdown.EteindreTimer.Enabled()) << "a daily schedule goes on";

    // The next day, the same minute tries again.
    TickAt(22, 31);
    TickAt(22, 30);
    EXPECT_EQ(ExitCalls().size(), 2u);
}

// A settings file that cannot be written at 22:30: the box stays open until 8:15, the timer
// ticking meanwhile, and closing it does nothing more. Accepted at 8:15, the confirmation's
// shutdown gives way to its failed save all the same.
TEST_F(ShutdownTest, AFailedSaveGivesUpTheScheduledShutdownHoweverLateItsBoxCloses) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = Schedule(1);
    page.CBRappel1min.SetChecked(false);
    page.CBConfirmationAuto.SetChecked(false);
    system.refuseWrites = true;
    system.whileBoxShown = [this] { TickAt(8, 15); };
    TickAt(22, 30);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(
        system.boxes[0].Text,
        "L'extinction automatique de 22 h 30 n'a pas eu lieu : Vossik' n'a pas pu "
        "enregistrer ses paramètres avant d'éteindre l'ordinateur.\r\n\nImpossible d'écrire dans "
        "C:\\Vossik\\Vossik'.ini\r\nAccès refusé.");
    EXPECT_TRUE(ExitCalls().empty());
    EXPECT_FALSE(backend.quitRequested);
    EXPECT_TRUE(form.Shutdown.EteindreTimer.Enabled()) << "tomorrow's minute still counts";

    page.CBConfirmationAuto.SetChecked(true);
    backend.modalAnswers.push_back([this](ui::Form&) {
        system.clock = {8, 15};
        Box().OkBtn.Click();
        return ui::ModalResult::None;
    });
    system.whileBoxShown = nullptr;
    TickAt(23, 30);
    TickAt(22, 30);
    EXPECT_EQ(system.boxes.size(), 2u);
    EXPECT_TRUE(ExitCalls().empty());
    EXPECT_FALSE(backend.quitRequested);
}

TEST_F(ShutdownTest, AnOpenQuestionIsNeverAskedAgainOnTopOfItself) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = Schedule(1);
    // The icon asks; the scheduled minute comes while it waits, then the icon is clicked again.
    backend.modalAnswers.push_back([this](ui::Form&) {
        TickAt(22, 30);
        ClickIcon();
        Box().OkBtn.Click();
        return ui::ModalResult::None;
    });
    ClickIcon();
    EXPECT_EQ(backend.modalShown.size(), 1u);
    EXPECT_EQ(ExitCalls(), std::vector<std::string>{"exitwindows 2"});

    // The schedule asks; a click on the icon meanwhile changes nothing.
    backend.quitRequested = false;
    system.calls.clear();
    form.Shutdown.ApplyTimerRule();
    backend.modalAnswers.push_back([this](ui::Form&) {
        ClickIcon();
        Box().AnnulerBtn.Click();
        return ui::ModalResult::None;
    });
    TickAt(22, 30);
    EXPECT_EQ(backend.modalShown.size(), 2u);
    EXPECT_TRUE(ExitCalls().empty());
    EXPECT_TRUE(page.CBEteindreAuto.Checked());
}

TEST_F(ShutdownTest, WithTheWindowShownTheReminderIsNotTopMostUntilTheApplicationIsLeft) {
    TConfigVossik& form = StartShown();
    form.Show();
    Schedule(0);
    TickAt(22, 29);
    ASSERT_TRUE(Box().Showing());
    EXPECT_FALSE(Box().TopMost());
    application->OnDeactivate();
    EXPECT_TRUE(Box().TopMost());

    // An icon click closes the reminder before it asks.
    AnswerNext(&TBoiteConfirmation::AnnulerBtn);
    ClickIcon();
    EXPECT_EQ(backend.modalShown.size(), 1u);
    EXPECT_FALSE(Box().Showing());
}

TEST_F(ShutdownTest, TheScheduleSwitchedOffTakesItsReminderAndItsMinuteAsksOnlyOnce) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = Schedule(1);
    TickAt(22, 29);
    ASSERT_TRUE(Box().Showing());
    page.CBEteindreAuto.SetChecked(false);
    EXPECT_FALSE(Box().Showing()) << "no countdown to a shutdown that will not come";
    EXPECT_FALSE(form.Shutdown.EteindreTimer.Enabled());

    // "Réduire" while the scheduled question waits starts the timer again; the question closed
    // by its system menu, the rest of the minute asks nothing more.
    Schedule(1);
    form.Show();
    backend.modalAnswers.push_back([&](ui::Form&) {
        form.OkBtn.Click();
        Box().Close();
        return ui::ModalResult::Cancel;
    });
    TickAt(22, 30);
    ASSERT_EQ(backend.modalShown.size(), 1u);
    EXPECT_TRUE(form.Shutdown.EteindreTimer.Enabled());
    system.clock.Second = 59;
    form.Shutdown.EteindreTimer.Tick();
    EXPECT_EQ(backend.modalShown.size(), 1u);
    TickAt(22, 31);
    AnswerNext(&TBoiteConfirmation::AnnulerBtn);
    TickAt(22, 30);
    EXPECT_EQ(backend.modalShown.size(), 2u) << "the next day asks again";
    EXPECT_TRUE(ExitCalls().empty());
}

TEST_F(ShutdownTest, TheTimerSleepsBetweenTheWatchedMinutesAndAClockChangeIsSeenAtOnce) {
    TConfigVossik& form = StartShown();
    system.clock = {9, 15, 20, 250};
    Schedule(1);
    ui::Timer& timer = form.Shutdown.EteindreTimer;
    EXPECT_EQ(timer.Interval(), 39750u) << "until the next minute begins";
    TickAt(22, 29);
    EXPECT_EQ(timer.Interval(), 600u);
    Box().Close();

    // The clock is set into the reminder's minute, or the computer wakes up in it.
    for (unsigned message : {msg::TimeChange, msg::PowerBroadcast}) {
        system.clock = {22, 28};
        timer.Tick();
        EXPECT_EQ(timer.Interval(), 60000u);
        system.clock = {22, 29, 30};
        form.ApplicationWindowProc({message, 0, 0});
        ASSERT_EQ(system.posted.size(), 1u) << "seen to from the loop";
        form.OnMessage(system.posted.front(), [] { return std::intptr_t{0}; });
        system.posted.clear();
        EXPECT_TRUE(Box().Showing()) << message;
        EXPECT_EQ(timer.Interval(), 600u);
        Box().Close();
    }
}

TEST_F(ShutdownTest, AStoredTimeOffTheListsIsNoScheduleAndSaysSoOnce) {
    for (std::string time : {"Heure=22\r\nMinutes=12", "Heure=24\r\nMinutes=0",
                             "Heure=-1\r\nMinutes=-1", "Heure=0x7FFFFFFF\r\nMinutes=3"}) {
        const std::string ini =
            "[Eteindre auto]\r\nActiver=1\r\nPériodicité=1\r\nConfirmation=0\r\n" + time + "\r\n";
        WithSettingsFile(ini);
        system.boxes.clear();
        TConfigVossik& form = Start();
        ShutdownPage& page = form.Pages.PageEteindre;
        EXPECT_FALSE(page.CBEteindreAuto.Checked()) << time;
        EXPECT_FALSE(form.Shutdown.EteindreTimer.Enabled());
        EXPECT_GE(page.Heure.ItemIndex(), 0);
        EXPECT_GE(page.Minutes.ItemIndex(), 0);
        ASSERT_EQ(system.boxes.size(), 1u) << time;
        EXPECT_EQ(system.boxes[0].Title, "Avertissement");
        EXPECT_EQ(system.boxes[0].Text,
                  "L'heure d'extinction automatique enregistrée n'est pas valide : "
                  "l'extinction automatique n'a pas été programmée.");
        EXPECT_EQ(system.fileContents[SettingsFile], ini) << "kept until the user applies";
    }
    WithSettingsFile("[Eteindre auto]\r\nActiver=0\r\nMinutes=12\r\n");
    system.boxes.clear();
    EXPECT_EQ(Start().Pages.PageEteindre.Minutes.ItemIndex(), 0);
    EXPECT_TRUE(system.boxes.empty()) << "no schedule was asked for";
}

namespace {

constexpr long long MillisecondsPerDay = 24 * 60 * 60 * 1000;

TimeOfDay ClockAt(long long millisecond) {
    millisecond %= MillisecondsPerDay;
    return {static_cast<int>(millisecond / 3600000), static_cast<int>(millisecond / 60000 % 60),
            static_cast<int>(millisecond / 1000 % 60), static_cast<int>(millisecond % 1000)};
}

int MinuteOfDay(TimeOfDay time) {
    return time.Hour * 60 + time.Minute;
}

}  // namespace

// Every schedule the page can hold (each hour and minute, both periods, the reminder and the
// confirmation each on and off) lives the day after its minute, the clock moving on as far as
// the timer sleeps each time; times that are not on the lists live a day too. The exit call
// comes only in the chosen minute, the reminder only in the minute before, and between them
// the timer wakes once a minute.
TEST_F(ShutdownTest, OverEveryMinuteOfTheDayOnlyTheChosenMinuteShutsDown) {
    TConfigVossik& form = StartShown();
    ShutdownPage& page = form.Pages.PageEteindre;
    ui::Timer& timer = form.Shutdown.EteindreTimer;
    system.exitAccepted = false;  // the program goes on to the next schedule

    struct Day {
        std::vector<int> Reminders, Questions, Exits;
        int IdleTicks = 0;
    };
    // From `start`, a day or until the timer stops; `at` is the chosen minute, -1 for none.
    auto live = [&](long long start, int at, bool yes) {
        Day day;
        backend.modalAnswers.assign(1, [&, yes](ui::Form&) {
            day.Questions.push_back(MinuteOfDay(system.clock));
            (yes ? Box().OkBtn : Box().AnnulerBtn).Click();
            return ui::ModalResult::None;
        });
        system.clock = ClockAt(start);
        form.Shutdown.ApplyTimerRule();
        for (long long t = start + timer.Interval();
             t < start + MillisecondsPerDay && timer.Enabled(); t += timer.Interval()) {
            system.clock = ClockAt(t);
            system.tick += timer.Interval();
            const int minute = MinuteOfDay(system.clock);
            if (minute != at && (minute + 1) % 1440 != at) ++day.IdleTicks;
            const bool reminded = Box().Showing();
            const std::size_t calls = system.calls.size();
            timer.Tick();
            if (!reminded && Box().Showing()) day.Reminders.push_back(minute);
            for (std::size_t i = calls; i < system.calls.size(); ++i)
                if (system.calls[i].starts_with("exitwindows")) day.Exits.push_back(minute);
        }
        backend.modalAnswers.clear();
        if (Box().Showing()) Box().Close();
        page.CBEteindreAuto.SetChecked(false);
        return day;
    };

    for (int hour = 0; hour < 24; ++hour)
        for (int line = 0; line < 12; ++line)
            for (int period : {0, 1})
                for (bool reminder : {false, true})
                    for (bool confirmation : {false, true}) {
                        const int at = hour * 60 + line * 5;
                        const bool yes = (hour + line) % 2 == 0;
                        page.Heure.SetItemIndex(hour);
                        page.Minutes.SetItemIndex(line);
                        page.GroupePeriode.SetItemIndex(period);
                        page.CBEteindreAuto.SetChecked(true);
                        page.CBRappel1min.SetChecked(reminder);
                        page.CBConfirmationAuto.SetChecked(confirmation);
                        const Day day = live((at + 1) * 60000LL, at, yes);
                        const std::string what = std::to_string(at) + (period ? " daily" : "") +
                                                 (reminder ? " reminder" : "") +
                                                 (confirmation ? " confirmation" : "");
                        using Minutes = std::vector<int>;
                        EXPECT_EQ(day.Reminders, reminder ? Minutes{(at + 1439) % 1440} : Minutes{})
                            << what;
                        EXPECT_EQ(day.Questions, confirmation ? Minutes{at} : Minutes{}) << what;
                        EXPECT_EQ(day.Exits, !confirmation || yes ? Minutes{at} : Minutes{})
                            << what;
                        EXPECT_LE(day.IdleTicks, 1440) << what;
                    }
    const std::vector<std::string> exits = ExitCalls();
    EXPECT_EQ(std::count(exits.begin(), exits.end(), "exitwindows 5"),
              static_cast<std::ptrdiff_t>(exits.size()));

    // No line in a list: the page's own state after a load that was refused, or code.
    for (auto [hour, line] : {std::pair{-1, 6}, {22, -1}, {-1, -1}}) {
        page.CBEteindreAuto.SetChecked(true);
        page.Heure.SetItemIndex(hour);
        page.Minutes.SetItemIndex(line);
        page.CBConfirmationAuto.SetChecked(false);
        const Day day = live(0, -1, true);
        EXPECT_TRUE(day.Reminders.empty() && day.Questions.empty() && day.Exits.empty());
        EXPECT_LE(day.IdleTicks, 1440);
    }
}
