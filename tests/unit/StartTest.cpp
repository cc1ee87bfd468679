#include "app/Vossik.h"
#include "settings/SettingsPath.h"
#include "support/MainFormFixture.h"
#include "types/Cp1252.h"

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

// Beside the program unless no file is there and its folder cannot be written; there, the
// application-data folder takes it, made at the first save, and the next start reads it back.
TEST_F(StartTest, TheSettingsFileStaysBesideTheProgramUnlessItsFolderCannotBeWritten) {
    const std::string roaming = RoamingSettingsFile;
    for (int besideExists = 0; besideExists < 2; ++besideExists) {
        for (int writable = 0; writable < 2; ++writable) {
            for (int hasRoaming = 0; hasRoaming < 2; ++hasRoaming) {
                system = FakeSystem();
                if (besideExists) system.files.insert(SettingsFile);
                if (!writable) system.readOnlyFolders.insert("C:\\Vossik\\");
                if (!hasRoaming) system.applicationData.clear();
                bool elsewhere = !besideExists && !writable && hasRoaming;
                EXPECT_EQ(Narrow(SettingsPath(system, "Vossik'")),
                          elsewhere ? roaming : SettingsFile)
                    << besideExists << writable << hasRoaming;
            }
        }
    }

    system = FakeSystem();
    system.modules["Shell32"] = {16, 22, 23, 28};
    system.readOnlyFolders.insert("C:\\Vossik\\");
    TConfigVossik& first = Start();
    EXPECT_FALSE(first.StartsInTray());
    first.Pages.PageEteindre.RBEteindre.SetChecked(true);
    first.AppliquerBtnClick();
    EXPECT_TRUE(system.boxes.empty()) << system.boxes[0].Text;
    EXPECT_TRUE(system.fileContents.contains(roaming));
    EXPECT_FALSE(system.files.contains(SettingsFile));

    TConfigVossik& second = Start();
    EXPECT_TRUE(second.StartsInTray());
    EXPECT_TRUE(second.Pages.PageEteindre.RBEteindre.Checked());
}

// A start on a settings file that a running copy holds hands its command line over and does
// nothing else; the copy that runs shows its window once back in its loop, whatever it was
// doing, and takes no other program's data for a hand-over.
TEST_F(StartTest, ASecondStartOnTheSameFileHandsOverAndTheFirstCopyShowsItsWindow) {
    system.claimedElsewhere.insert(SettingsFile);
    application = std::make_unique<ui::Application>();
    EXPECT_EQ(StartVossik(system, *application), nullptr);
    EXPECT_EQ(system.calls, (std::vector<std::string>{"folderwritable C:\\Vossik\\",
                                                      "claim " + std::string(SettingsFile)}));

    system.claimedElsewhere.clear();
    WithSettingsFile();
    TConfigVossik& form = Start();
    ASSERT_TRUE(form.StartsInTray());
    EXPECT_EQ(system.handOverWindow, form.Handle());
    auto deliver = [&form](WindowMessage message) {
        return form.OnMessage(message, [] { return std::intptr_t{0}; });
    };
    EXPECT_EQ(deliver({msg::CopyData, 0, FakeSystem::HandOverData}), 1) << "well formed";
    EXPECT_FALSE(form.Showing()) << "the hand-over only posts";
    ASSERT_EQ(system.posted.size(), 1u);
    EXPECT_EQ(deliver(system.posted.front()), 0);
    EXPECT_TRUE(form.Showing());
    EXPECT_EQ(backend.broughtToFront, 1) << "in front of the window the user started it from";

    system.posted.clear();
    form.Hide();
    EXPECT_EQ(deliver({msg::CopyData, 0, 1}), std::nullopt) << "left to the toolkit";
    EXPECT_TRUE(system.posted.empty());
}
