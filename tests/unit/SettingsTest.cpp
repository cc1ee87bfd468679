#include "support/MainFormFixture.h"

namespace {

class SettingsTest : public MainFormFixture {
protected:
    SettingsTest() {
        system.shellFiles["C:\\Vossik\\Vossik.exe"] = {nullptr, "Vossik.exe"};
        system.shellFiles["C:\\Docs"] = {nullptr, "Docs"};
        system.shellFiles["C:\\notes.txt"] = {nullptr, "notes.txt"};
    }

    std::string Saved() { return system.fileContents[SettingsFile]; }

    bool SavedHas(const std::string& line) {
        return Saved().find(line + "\r\n") != std::string::npos;
    }
};

}  // namespace

TEST_F(SettingsTest, DelayIsSecondsWithZeroAsTheShortestAndTenSecondsNeverWritten) {
    WithSettingsFile("[Divers]\r\nTemporisation=0\r\n");
    EXPECT_EQ(Start().RefreshDelay, 200u);

    WithSettingsFile("[Divers]\r\nTemporisation=3\r\n");
    TConfigVossik& form = Start();
    EXPECT_EQ(form.RefreshDelay, 3000u);
    ASSERT_TRUE(form.SaveSettings());
    EXPECT_TRUE(SavedHas("Temporisation=3"));
    form.RefreshDelay = 10000;
    form.SaveSettings();
    EXPECT_TRUE(SavedHas("Temporisation=3")) << "the old value stays in the file";
}

TEST_F(SettingsTest, QuickLaunchParametersCarryTheirMarkAndFolderOptionsAreNeverWritten) {
    WithSettingsFile(
        "[Lancement rapide]\r\nNombre=3\r\n"
        "Rep0=C:\\notes.txt\r\nRac0=Notes\r\nOpt0=\xB6\r\n"
        "Rep1=C:\\notes.txt\r\nOpt1=-x\r\n"
        "Rep2=C:\\notes.txt\r\nRac2=Deux\r\nOpt2=\xB6\xB6y\r\n"
        "[Dossiers]\r\nNombre=1\r\nRep0=C:\\Docs\r\nRac0=\r\nOpt0=ignored\r\n");
    TConfigVossik& form = Start();
    ASSERT_EQ(form.Launches.size(), 3u);
    EXPECT_EQ(form.Launches[0]->Options, "");
    EXPECT_EQ(form.Launches[1]->Options, "-x");
    EXPECT_EQ(form.Launches[2]->Options, "\xB6y");
    EXPECT_EQ(form.PageApp.ListeFich.Items(),
              (std::vector<std::string>{"Notes (C:\\notes.txt )", "notes.txt (C:\\notes.txt -x)",
                                        "Deux (C:\\notes.txt \xB6y)"}));
    EXPECT_EQ(form.Launches[1]->Tip(), "notes.txt") << "no name: the shell's display name";
    EXPECT_EQ(form.Launches[2]->IconData.uID, 1002u);
    EXPECT_EQ(form.Folders[0]->Options, "ignored");
    EXPECT_EQ(form.Folders[0]->IconData.uID, 100u);

    form.SaveSettings();
    EXPECT_TRUE(SavedHas("Opt0=\xB6"));
    EXPECT_TRUE(SavedHas("Opt2=\xB6\xB6y"));
    EXPECT_TRUE(SavedHas("Opt0=ignored")) << "folder options are left as they were";
    EXPECT_EQ(Saved().find("Opt0=ignored"), Saved().rfind("Opt0=ignored"));
}

TEST_F(SettingsTest, OutOfRangeChoicesLoadAsTheControlsAllowAndSaveBackNormalised) {
    WithSettingsFile(
        "[Arrêter]\r\nType d'arrêt=7\r\n"
        "[Eteindre auto]\r\nActiver=1\r\nPériodicité=0\r\nHeure=30\r\nMinutes=11\r\n");
    TConfigVossik& form = Start();
    ShutdownPage& page = form.PageEteindre;
    for (ui::RadioButton* action :
         {&page.RBLogOff, &page.RBRedWin, &page.RBRedemarrer, &page.RBEteindre})
        EXPECT_FALSE(action->Checked());
    EXPECT_TRUE(page.CBEteindreAuto.Checked());
    EXPECT_EQ(page.Heure.ItemIndex(), -1);
    EXPECT_EQ(page.Minutes.ItemIndex(), 11);
    form.SaveSettings();
    EXPECT_TRUE(SavedHas("Type d'arrêt=3"));
    EXPECT_TRUE(SavedHas("Activer=0")) << "a one-time schedule is not kept";
    EXPECT_TRUE(SavedHas("Heure=-1"));

    WithSettingsFile("[Eteindre auto]\r\nPériodicité=5\r\n");
    EXPECT_EQ(Start().PageEteindre.GroupePeriode.ItemIndex(), 1);
}

TEST_F(SettingsTest, BooleansAreIntegersAndOtherTextGivesTheDefault) {
    WithSettingsFile(
        "[lecteurs]\r\nAffichage=2\r\nFixes=0x0\r\nAmovibles=oui\r\nRacine=0x1\r\n"
        "[DIVERS]\r\nGarder CD=0\r\n");
    TConfigVossik& form = Start();
    EXPECT_TRUE(form.PageUS.ActiverUS.Checked());
    EXPECT_FALSE(form.PageUS.CBDD.Checked());
    EXPECT_TRUE(form.PageUS.CBDisquette.Checked()) << "a word reads as the default";
    EXPECT_TRUE(form.PageUS.CBRacineUS.Checked());
    EXPECT_FALSE(form.PageAPropos.CBGarderCD.Checked()) << "section names match in any case";
}

TEST_F(SettingsTest, LoadedValuesRunTheRulesOfTheirBoxes) {
    WithSettingsFile("[Lecteurs]\r\nAffichage=0\r\n[Arrêter]\r\nAfficher Icone=0\r\n");
    TConfigVossik& form = Start();
    EXPECT_FALSE(form.PageUS.MontrerTypeUS.Enabled());
    EXPECT_FALSE(form.PageUS.CBDD.Enabled());
    EXPECT_TRUE(form.PageUS.TypeOuvertureUS.Enabled());
    EXPECT_FALSE(form.PageEteindre.RBEteindre.Enabled());
    EXPECT_FALSE(form.PageEteindre.CBConfirmer.Enabled());
}

TEST_F(SettingsTest, MissingEntriesAreWarnedNamedAfterTheirLineAndKeepTheirStoredName) {
    WithSettingsFile("[Dossiers]\r\nNombre=2\r\nRep0=C:\\Docs\r\nRac0=Documents\r\n");
    TConfigVossik& form = Start();
    ASSERT_EQ(form.Folders.size(), 2u);
    EXPECT_FALSE(form.Folders[0]->Missing);
    const TrayItem& missing = *form.Folders[1];
    EXPECT_TRUE(missing.Missing);
    EXPECT_EQ(missing.Name, "Problème avec le dossier n°1");
    EXPECT_EQ(missing.Tip(), "Problème avec le dossier n°1");
    EXPECT_NE(missing.IconData.hIcon, nullptr) << "the utility's own icon";
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_EQ(system.boxes[0].Title, "Erreur");
    EXPECT_EQ(system.boxes[1].Title, "Avertissement");
    EXPECT_EQ(system.boxes[1].Text, "Le dossier \"\" () n'existe peut-être plus");
    EXPECT_EQ(form.ReadStoredShortcutName("Dossiers", 1), "\xB6");
    EXPECT_EQ(form.ReadStoredShortcutName("Dossiers", 0), "Documents");

    form.RefreshTrayIcons();
    EXPECT_FALSE(missing.Shown) << "a missing entry never gets an icon";
    form.SaveSettings();
    EXPECT_TRUE(SavedHas("Rep1="));
    EXPECT_EQ(Saved().find("Rac1"), std::string::npos);
}

TEST_F(SettingsTest, SavingKeepsEverythingWeDoNotOwn) {
    const std::string foreign =
        "; written by hand\r\n[Autre]\r\nCle=valeur\r\n\r\n"
        "[Dossiers]\r\nNombre=1\r\nRep0=C:\\Docs\r\nRep3=C:\\Old\r\n; note\r\n";
    WithSettingsFile(foreign);
    TConfigVossik& form = Start();
    form.SaveSettings();
    std::string saved = Saved();
    for (const char* kept : {"; written by hand\r\n[Autre]\r\nCle=valeur\r\n\r\n[Dossiers]\r\n",
                             "Rep3=C:\\Old\r\n", "; note\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
    EXPECT_TRUE(saved.starts_with("; written by hand\r\n[Autre]"));

    // A second save changes nothing more.
    form.SaveSettings();
    EXPECT_EQ(Saved(), saved);
}

TEST_F(SettingsTest, EveryOptionSurvivesARoundTrip) {
    WithSettingsFile();
    TConfigVossik& first = Start();
    first.PageAPropos.RBDoubleClick.SetChecked(true);
    first.PageAPropos.CBGarderNet.SetChecked(true);
    first.PageUS.CBRam.SetChecked(false);
    first.PageUS.RBNormalUS.SetChecked(true);
    first.PageRep.CBRacineRep.SetChecked(true);
    first.PageEteindre.RBLogOff.SetChecked(true);
    first.PageEteindre.CBForcer.SetChecked(true);
    first.PageEteindre.CBEteindreAuto.SetChecked(true);
    first.PageEteindre.GroupePeriode.SetItemIndex(1);
    first.PageEteindre.Heure.SetItemIndex(23);
    first.PageEteindre.Minutes.SetItemIndex(7);
    first.RefreshDelay = 45000;
    ASSERT_TRUE(first.SaveSettings());
    first.DestructionFiche();

    TConfigVossik& second = Start();
    EXPECT_TRUE(second.PageAPropos.RBDoubleClick.Checked());
    EXPECT_FALSE(second.PageAPropos.RBSimpleClick.Checked());
    EXPECT_TRUE(second.PageAPropos.CBGarderNet.Checked());
    EXPECT_FALSE(second.PageUS.CBRam.Checked());
    EXPECT_TRUE(second.PageUS.RBNormalUS.Checked());
    EXPECT_TRUE(second.PageRep.CBRacineRep.Checked());
    EXPECT_TRUE(second.PageEteindre.RBLogOff.Checked());
    EXPECT_TRUE(second.PageEteindre.CBForcer.Checked());
    EXPECT_TRUE(second.PageEteindre.CBEteindreAuto.Checked());
    EXPECT_EQ(second.PageEteindre.Heure.ItemIndex(), 23);
    EXPECT_EQ(second.PageEteindre.Minutes.ItemIndex(), 7);
    EXPECT_EQ(second.RefreshDelay, 45000u);
}

TEST_F(SettingsTest, ARefusedWriteLeavesTheFileWholeAndKeepsTheProgramOpen) {
    WithSettingsFile("[Divers]\r\nSimple Click=1\r\n");
    TConfigVossik& form = Start();
    form.Show();
    system.refuseWrites = true;
    form.PageAPropos.RBDoubleClick.SetChecked(true);
    form.QuitterBtn.Click();
    EXPECT_FALSE(backend.quitRequested);
    EXPECT_EQ(Saved(), "[Divers]\r\nSimple Click=1\r\n");
    ASSERT_FALSE(system.boxes.empty());
    EXPECT_EQ(system.boxes.back().Text, "Impossible d'écrire dans C:\\Vossik\\Vossik'.ini");
    EXPECT_EQ(system.boxes.back().Title, "Vossik'");

    form.OkBtn.Click();
    EXPECT_TRUE(form.Showing()) << "Réduire abandons the rest too";

    system.refuseWrites = false;
    form.QuitterBtn.Click();
    EXPECT_TRUE(backend.quitRequested);
    EXPECT_TRUE(SavedHas("Simple Click=0"));
}
