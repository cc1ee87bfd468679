#include "settings/Settings.h"
#include "support/MainFormFixture.h"

namespace {

class SettingsTest : public MainFormFixture {
protected:
    SettingsTest() {
        system.shellFiles["C:\\Vossik\\Vossik.exe"] = {nullptr, "Vossik.exe"};
        system.shellFiles["C:\\Docs"] = {nullptr, "Docs"};
        system.shellFiles["C:\\notes.txt"] = {nullptr, "notes.txt"};
    }

    bool Save(TConfigVossik& form) {
        return SaveSettings(system, form.SettingsPath(), "Vossik'", form.Pages, form.Icons,
                            form.Watcher.RefreshDelay);
    }

    std::string Saved() { return system.fileContents[SettingsFile]; }

    bool SavedHas(const std::string& line) {
        return Saved().find(line + "\r\n") != std::string::npos;
    }
};

}  // namespace

TEST_F(SettingsTest, DelayIsSecondsWithZeroAsTheShortestAndTenSecondsNeverWritten) {
    WithSettingsFile("[Divers]\r\nTemporisation=0\r\n");
    EXPECT_EQ(Start().Watcher.RefreshDelay, 200u);

    WithSettingsFile("[Divers]\r\nTemporisation=3\r\n");
    TConfigVossik& form = Start();
    EXPECT_EQ(form.Watcher.RefreshDelay, 3000u);
    ASSERT_TRUE(Save(form));
    EXPECT_TRUE(SavedHas("Temporisation=3"));
    form.Watcher.RefreshDelay = 10000;
    Save(form);
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
    ASSERT_EQ(form.Icons.Launches.size(), 3u);
    EXPECT_EQ(form.Icons.Launches[0]->Options, "");
    EXPECT_EQ(form.Icons.Launches[1]->Options, "-x");
    EXPECT_EQ(form.Icons.Launches[2]->Options, "\xB6y");
    EXPECT_EQ(form.Pages.PageApp.ListeFich.Items(),
              (std::vector<std::string>{"Notes (C:\\notes.txt )", "notes.txt (C:\\notes.txt -x)",
                                        "Deux (C:\\notes.txt \xB6y)"}));
    EXPECT_EQ(form.Icons.Launches[1]->Tip(), "notes.txt") << "no name: the shell's display name";
    EXPECT_EQ(form.Icons.Launches[2]->IconData.uID, 1002u);
    EXPECT_EQ(form.Icons.Folders[0]->Options, "ignored");
    EXPECT_EQ(form.Icons.Folders[0]->IconData.uID, 100u);

    Save(form);
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
    ShutdownPage& page = form.Pages.PageEteindre;
    for (ui::RadioButton* action :
         {&page.RBLogOff, &page.RBRedWin, &page.RBRedemarrer, &page.RBEteindre})
        EXPECT_FALSE(action->Checked());
    EXPECT_TRUE(page.CBEteindreAuto.Checked());
    EXPECT_EQ(page.Heure.ItemIndex(), -1);
    EXPECT_EQ(page.Minutes.ItemIndex(), 11);
    Save(form);
    EXPECT_TRUE(SavedHas("Type d'arrêt=3"));
    EXPECT_TRUE(SavedHas("Activer=0")) << "a one-time schedule is not kept";
    EXPECT_TRUE(SavedHas("Heure=-1"));

    WithSettingsFile("[Eteindre auto]\r\nPériodicité=5\r\n");
    EXPECT_EQ(Start().Pages.PageEteindre.GroupePeriode.ItemIndex(), 1);
}

TEST_F(SettingsTest, BooleansAreIntegersAndOtherTextGivesTheDefault) {
    WithSettingsFile(
        "[lecteurs]\r\nAffichage=2\r\nFixes=0x0\r\nAmovibles=oui\r\nRacine=0x1\r\n"
        "[DIVERS]\r\nGarder CD=0\r\n");
    TConfigVossik& form = Start();
    EXPECT_TRUE(form.Pages.PageUS.ActiverUS.Checked());
    EXPECT_FALSE(form.Pages.PageUS.CBDD.Checked());
    EXPECT_TRUE(form.Pages.PageUS.CBDisquette.Checked()) << "a word reads as the default";
    EXPECT_TRUE(form.Pages.PageUS.CBRacineUS.Checked());
    EXPECT_FALSE(form.Pages.PageAPropos.CBGarderCD.Checked()) << "section names match in any case";
}

TEST_F(SettingsTest, LoadedValuesRunTheRulesOfTheirBoxes) {
    WithSettingsFile("[Lecteurs]\r\nAffichage=0\r\n[Arrêter]\r\nAfficher Icone=0\r\n");
    TConfigVossik& form = Start();
    EXPECT_FALSE(form.Pages.PageUS.MontrerTypeUS.Enabled());
    EXPECT_FALSE(form.Pages.PageUS.CBDD.Enabled());
    EXPECT_TRUE(form.Pages.PageUS.TypeOuvertureUS.Enabled());
    EXPECT_FALSE(form.Pages.PageEteindre.RBEteindre.Enabled());
    EXPECT_FALSE(form.Pages.PageEteindre.CBConfirmer.Enabled());
}

TEST_F(SettingsTest, MissingEntriesAreWarnedNamedAfterTheirLineAndKeepTheirStoredName) {
    WithSettingsFile("[Dossiers]\r\nNombre=2\r\nRep0=C:\\Docs\r\nRac0=Documents\r\n");
    TConfigVossik& form = Start();
    ASSERT_EQ(form.Icons.Folders.size(), 2u);
    EXPECT_FALSE(form.Icons.Folders[0]->Missing);
    const TrayItem& missing = *form.Icons.Folders[1];
    EXPECT_TRUE(missing.Missing);
    EXPECT_EQ(missing.Name, "Problème avec le dossier n°1");
    EXPECT_EQ(missing.Tip(), "Problème avec le dossier n°1");
    EXPECT_NE(missing.Icon.Get(), nullptr) << "the utility's own icon";
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_EQ(system.boxes[0].Title, "Erreur");
    EXPECT_EQ(system.boxes[1].Title, "Avertissement");
    EXPECT_EQ(system.boxes[1].Text, "Le dossier \"\" () n'existe peut-être plus");
    EXPECT_EQ(ReadStoredShortcutName(system, form.SettingsPath(), "Dossiers", 1), "\xB6");
    EXPECT_EQ(ReadStoredShortcutName(system, form.SettingsPath(), "Dossiers", 0), "Documents");

    form.Icons.RefreshTrayIcons();
    EXPECT_FALSE(missing.Shown) << "a missing entry never gets an icon";
    Save(form);
    EXPECT_TRUE(SavedHas("Rep1="));
    EXPECT_EQ(Saved().find("Rac1"), std::string::npos);
}

TEST_F(SettingsTest, SavingKeepsEverythingWeDoNotOwn) {
    const std::string foreign =
        "; written by hand\r\n[Autre]\r\nCle=valeur\r\n\r\n"
        "[Dossiers]\r\nNombre=1\r\nRep0=C:\\Docs\r\nRep3=C:\\Old\r\n; note\r\n";
    WithSettingsFile(foreign);
    TConfigVossik& form = Start();
    Save(form);
    std::string saved = Saved();
    for (const char* kept : {"; written by hand\r\n[Autre]\r\nCle=valeur\r\n\r\n[Dossiers]\r\n",
                             "Rep3=C:\\Old\r\n", "; note\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
    EXPECT_TRUE(saved.starts_with("; written by hand\r\n[Autre]"));

    // A second save changes nothing more.
    Save(form);
    EXPECT_EQ(Saved(), saved);
}

TEST_F(SettingsTest, EveryOptionSurvivesARoundTrip) {
    WithSettingsFile();
    TConfigVossik& first = Start();
    first.Pages.PageAPropos.RBDoubleClick.SetChecked(true);
    first.Pages.PageAPropos.CBGarderNet.SetChecked(true);
    first.Pages.PageUS.CBRam.SetChecked(false);
    first.Pages.PageUS.RBNormalUS.SetChecked(true);
    first.Pages.PageRep.CBRacineRep.SetChecked(true);
    first.Pages.PageEteindre.RBLogOff.SetChecked(true);
    first.Pages.PageEteindre.CBForcer.SetChecked(true);
    first.Pages.PageEteindre.CBEteindreAuto.SetChecked(true);
    first.Pages.PageEteindre.GroupePeriode.SetItemIndex(1);
    first.Pages.PageEteindre.Heure.SetItemIndex(23);
    first.Pages.PageEteindre.Minutes.SetItemIndex(7);
    first.Watcher.RefreshDelay = 45000;
    ASSERT_TRUE(Save(first));
    first.DestructionFiche();

    TConfigVossik& second = Start();
    EXPECT_TRUE(second.Pages.PageAPropos.RBDoubleClick.Checked());
    EXPECT_FALSE(second.Pages.PageAPropos.RBSimpleClick.Checked());
    EXPECT_TRUE(second.Pages.PageAPropos.CBGarderNet.Checked());
    EXPECT_FALSE(second.Pages.PageUS.CBRam.Checked());
    EXPECT_TRUE(second.Pages.PageUS.RBNormalUS.Checked());
    EXPECT_TRUE(second.Pages.PageRep.CBRacineRep.Checked());
    EXPECT_TRUE(second.Pages.PageEteindre.RBLogOff.Checked());
    EXPECT_TRUE(second.Pages.PageEteindre.CBForcer.Checked());
    EXPECT_TRUE(second.Pages.PageEteindre.CBEteindreAuto.Checked());
    EXPECT_EQ(second.Pages.PageEteindre.Heure.ItemIndex(), 23);
    EXPECT_EQ(second.Pages.PageEteindre.Minutes.ItemIndex(), 7);
    EXPECT_EQ(second.Watcher.RefreshDelay, 45000u);
}

TEST_F(SettingsTest, ARefusedWriteLeavesTheFileWholeAndKeepsTheProgramOpen) {
    WithSettingsFile("[Divers]\r\nSimple Click=1\r\n");
    TConfigVossik& form = Start();
    form.Show();
    system.refuseWrites = true;
    form.Pages.PageAPropos.RBDoubleClick.SetChecked(true);
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

TEST_F(SettingsTest, AFileThatIsThereButCannotBeReadIsNeverReplaced) {
    WithSettingsFile("[Divers]\r\nSimple Click=0\r\n");
    TConfigVossik& form = Start();
    system.fileContents.erase(SettingsFile);  // still there, no longer readable (locked, say)
    system.calls.clear();
    form.AppliquerBtn.Click();
    for (const std::string& call : system.calls) EXPECT_FALSE(call.starts_with("replacefile"));
    ASSERT_FALSE(system.boxes.empty());
    EXPECT_EQ(system.boxes.back().Text, "Impossible d'écrire dans C:\\Vossik\\Vossik'.ini");
}
