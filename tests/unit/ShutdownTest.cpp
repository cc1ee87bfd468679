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
    Seen seen;
    AnswerNext(&TBoiteConfirmation::AnnulerBtn, &seen);
    form.Shutdown.EteindreTimer.SetEnabled(true);
    ClickIcon();
    EXPECT_EQ(seen.Caption, "Confirmation d'extinction");
    EXPECT_EQ(seen.Message, "Vossik' va Redémarrer l'ordinateur MAINTENANT");
    EXPECT_TRUE(seen.TopMost) << "nothing else of ours shows";
    EXPECT_EQ(Box().Answer, TBoiteConfirmation::AnswerRefused);
    EXPECT_FALSE(Box().Showing());
    EXPECT_FALSE(Box().TopMost());
    EXPECT_FALSE(form.Shutdown.EteindreTimer.Enabled()) << "a refusal also stops the schedule";
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
