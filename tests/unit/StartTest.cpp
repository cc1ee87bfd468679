#include "support/MainFormFixture.h"

using StartTest = MainFormFixture;

TEST_F(StartTest, WithoutSettingsFileTheWindowOpensAndNoIconExists) {
    TConfigVossik& form = Start();
    EXPECT_FALSE(form.StartsInTray());
    EXPECT_TRUE(NotifyCalls().empty());
    application->Run();
    EXPECT_TRUE(form.Showing());
    EXPECT_TRUE(application->TaskbarButtonShown()) << "the open window has a taskbar button";
}

TEST_F(StartTest, SettingsFileStartsInTheTrayUnlessConfigIsTheFirstArgument) {
    struct Case {
        std::vector<std::string> Arguments;
        bool InTray;
    };
    const Case cases[] = {
        {{}, true},           {{"/CONFIG"}, false},
        {{"/config"}, false}, {{"/CoNfIg", "x"}, false},
        {{"/CONFIGX"}, true}, {{"x", "/CONFIG"}, true},
    };
    for (const Case& c : cases) {
        system = FakeSystem();
        system.modules["Shell32"] = {16, 22, 23, 28};
        WithSettingsFile();
        system.arguments = c.Arguments;
        TConfigVossik& form = Start();
        EXPECT_EQ(form.StartsInTray(), c.InTray) << ::testing::PrintToString(c.Arguments);
        // Icons exist only when the program starts in the tray.
        EXPECT_EQ(NotifyCalls().size(), c.InTray ? 1u : 0u);
        EXPECT_EQ(form.Icons.ShutdownItem.Shown, c.InTray);
        form.DestructionFiche();
    }
}

TEST_F(StartTest, NoIconShownWarnsOnceAndOpensTheWindow) {
    WithSettingsFile();
    WithSettingsFile(
        "[Lecteurs]\r\nAffichage=0\r\n[Dossiers]\r\nAffichage=0\r\n"
        "[Lancement Rapide]\r\nAffichage=0\r\n[Arrêter]\r\nAfficher Icone=0\r\n");
    TConfigVossik& form = Start();
    EXPECT_FALSE(form.StartsInTray());
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Title, "Avertissement");
    EXPECT_EQ(system.boxes[0].Text,
              "Vos choix n'afficheront aucune icône.\r\n\nAffichez-en au moins une, ou "
              "choisissez 'Quitter'.");
}

TEST_F(StartTest, ShutdownIconTakesTheSelectedActionAndTheShellPicture) {
    TConfigVossik& form = Start();
    EXPECT_EQ(form.Icons.ShutdownItem.Kind, TrayItemKind::Shutdown);
    EXPECT_EQ(form.Icons.ShutdownItem.Tip(), "Redémarrer l'ordinateur") << "the default action";
    EXPECT_EQ(form.Icons.ShutdownItem.IconData.uID, 10000u);
    EXPECT_EQ(form.Icons.ShutdownItem.IconData.hWnd, form.Handle());
    EXPECT_NE(form.Icons.ShutdownItem.IconData.hIcon, nullptr);

    ShutdownPage& page = form.Pages.PageEteindre;
    page.RBLogOff.SetChecked(true);
    EXPECT_EQ(page.ActionCaption(), "Terminer la session");
    page.RBLogOff.SetChecked(false);
    form.Icons.BuildShutdownItem(page.ActionCaption());
    EXPECT_EQ(form.Icons.ShutdownItem.Tip(), "Erreur de nom ???");
    EXPECT_EQ(system.liveIcons.size(), 1u) << "the picture replaced is destroyed";
}

TEST_F(StartTest, TheTimerStartsWhenTheScheduleIsTicked) {
    WithSettingsFile("[Eteindre auto]\r\nActiver=1\r\nPériodicité=1\r\n");
    TConfigVossik& form = Start();
    ui::Timer& timer = form.Shutdown.EteindreTimer;
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 60000u) << "at 12:00:00, a schedule at 0:00 sleeps a minute";
    // Unticking stops the countdown at once; hiding starts only a schedule that is set.
    form.Pages.PageEteindre.CBEteindreAuto.SetChecked(false);
    EXPECT_FALSE(timer.Enabled());
    form.Show();
    form.Hide();
    EXPECT_FALSE(timer.Enabled());
    form.Pages.PageEteindre.CBEteindreAuto.SetChecked(true);
    EXPECT_FALSE(timer.Enabled()) << "ticking the box alone starts nothing";
    form.Show();
    form.Hide();
    EXPECT_TRUE(timer.Enabled());
}

TEST_F(StartTest, TeardownRemovesEveryIconUnhooksAndDestroysEveryIconHandle) {
    WithSettingsFile();
    TConfigVossik& form = Start();
    AddEntry(form.Icons.Folders, TrayItemKind::Folder, "Documents");
    form.Icons.RefreshTrayIcons();
    EXPECT_TRUE(application->Hooked());
    system.calls.clear();
    form.DestructionFiche();
    EXPECT_EQ(NotifyCalls(), (std::vector<std::string>{"delete 100", "delete 10000"}));
    EXPECT_FALSE(application->Hooked());
    this->form.reset();
    EXPECT_TRUE(system.liveIcons.empty()) << "the records take their icons along";
    EXPECT_EQ(system.faultyDestroys, 0);
    EXPECT_EQ(NotifyCalls().size(), 2u) << "a second teardown removes nothing twice";
}
