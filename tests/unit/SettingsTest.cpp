#include <algorithm>
#include <climits>
#include <functional>
#include <set>

#include "settings/ProfileFile.h"
#include "settings/Settings.h"
#include "settings/StoredOptions.h"
#include "support/MainFormFixture.h"
#include "types/Cp1252.h"

namespace {

class SettingsTest : public MainFormFixture {
protected:
    SettingsTest() {
        system.shellFiles["C:\\Vossik\\Vossik.exe"] = {.DisplayName = "Vossik.exe"};
        system.shellFiles["C:\\Docs"] = {.DisplayName = "Docs"};
        system.shellFiles["C:\\notes.txt"] = {.DisplayName = "notes.txt"};
    }

    bool Save(TConfigVossik& form) {
        return SaveSettings(system, form.Settings, "Vossik'",
                            StoredOptions(form.Pages, form.Watcher.Delay()),
                            form.Icons) == SaveResult::Saved;
    }

    // As if the program had last seen the file empty, so that the save shows all it writes.
    void SaveIntoAnEmptyFile(TConfigVossik& form) {
        system.fileContents[SettingsFile] = "";
        form.Settings.Written("");
    }

    std::string Saved() { return system.fileContents[SettingsFile]; }

    // The entries of both lists under their counts, as "section path (name)"; one the program
    // cannot take whole by its number.
    static std::multiset<std::string> EntriesIn(const std::string& content) {
        const ProfileFile file(content);
        std::multiset<std::string> entries;
        for (const char* section : {"Dossiers", "Lancement Rapide"}) {
            for (int n = 0; n < file.ReadInteger(section, "Nombre", 0); ++n) {
                const std::string number = std::to_string(n);
                auto path = file.ReadString(section, "Rep" + number, "");
                auto name = file.ReadString(section, "Rac" + number, "");
                if (!path || !name)
                    entries.insert(std::string(section) + " n°" + number);
                else if (!path->empty())
                    entries.insert(std::string(section) + " " + *path + " (" + *name + ")");
            }
        }
        return entries;
    }

    bool SavedHas(const std::string& line) {
        return Saved().find(line + "\r\n") != std::string::npos;
    }
};

}  // namespace

TEST_F(SettingsTest, DelayIsSecondsWithZeroAsTheShortestAndTenSecondsNeverWritten) {
    WithSettingsFile("[Divers]\r\nTemporisation=0\r\n");
    EXPECT_EQ(Start().Watcher.Delay().Milliseconds(), 200u);

    WithSettingsFile("[Divers]\r\nTemporisation=3\r\n");
    TConfigVossik& form = Start();
    EXPECT_EQ(form.Watcher.Delay().Milliseconds(), 3000u);
    ASSERT_TRUE(Save(form));
    EXPECT_TRUE(SavedHas("Temporisation=3"));
    form.Watcher.Delay().SetSeconds(10);
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
    auto asked = [this](const char* call) { return std::ranges::count(system.calls, call); };
    EXPECT_EQ(asked("fileinfo C:\\notes.txt 4608"), 1) << "a name asked for the nameless only";
    EXPECT_EQ(asked("fileinfo C:\\notes.txt 4096"), 2);
    EXPECT_EQ(asked("extracticon C:\\notes.txt,0 16x16"), 1) << "one picture for the three";
    EXPECT_EQ(form.Icons.Launches[2]->IconData.uID, 1002u);
    EXPECT_EQ(form.Icons.Folders[0]->Options, "ignored");
    EXPECT_EQ(form.Icons.Folders[0]->IconData.uID, 100u);

    Save(form);
    EXPECT_TRUE(SavedHas("Opt0=\xB6"));
    EXPECT_TRUE(SavedHas("Opt2=\xB6\xB6y"));
    EXPECT_TRUE(SavedHas("Opt0=ignored")) << "folder options are left as they were";
    EXPECT_EQ(Saved().find("Opt0=ignored"), Saved().rfind("Opt0=ignored"));
}

TEST_F(SettingsTest, NumbersOutOfRangeLoadAsTheirOptionSaysAndStayInTheFileUntilApplied) {
    const std::string ini =
        "[Divers]\r\nTemporisation=-1\r\n[Arrêter]\r\nType d'arrêt=7\r\n"
        "[Eteindre auto]\r\nPériodicité=5\r\nHeure=30\r\nMinutes=11\r\n";
    WithSettingsFile(ini);
    TConfigVossik& form = Start();
    ShutdownPage& page = form.Pages.PageEteindre;
    for (ui::RadioButton* action :
         {&page.RBLogOff, &page.RBRedWin, &page.RBRedemarrer, &page.RBEteindre})
        EXPECT_FALSE(action->Checked());
    EXPECT_EQ(page.GroupePeriode.ItemIndex(), 1) << "the nearest line";
    EXPECT_EQ(page.Heure.ItemIndex(), 0) << "no schedule: the first line";
    EXPECT_EQ(page.Minutes.ItemIndex(), 11);
    EXPECT_EQ(form.Watcher.Delay().Milliseconds(), 10000u) << "the default";
    EXPECT_EQ(Saved(), ini);
    Save(form);
    EXPECT_TRUE(SavedHas("Type d'arrêt=3"));
    EXPECT_TRUE(SavedHas("Heure=0"));

    WithSettingsFile("[Divers]\r\nTemporisation=3601\r\n");
    EXPECT_EQ(Start().Watcher.Delay().Milliseconds(), 10000u);

    // Restarting Windows alone was only for Windows 95, 98 and Me: the computer restarts.
    WithSettingsFile("[Arrêter]\r\nType d'arrêt=1\r\n");
    EXPECT_TRUE(Start().Pages.PageEteindre.RBRedemarrer.Checked());
    EXPECT_EQ(this->form->Icons.ShutdownItem.Tip(), "Redémarrer l'ordinateur");
}

// A count reads only the entries the file holds below it, skips those without a path, and no
// more than the list has icon ids; the rest stays in the file.
TEST_F(SettingsTest, ListsReadOnlyTheEntriesTheFileHoldsUpToTheirIdRange) {
    WithSettingsFile(
        "[Dossiers]\r\nNombre=2147483647\r\nRep0=C:\\Docs\r\nRep2=\r\nRac2=Vide\r\n"
        "Rep3=C:\\Docs\r\nRac3=Trois\r\n"
        "[Lancement Rapide]\r\nNombre=3\r\nRep0=C:\\notes.txt\r\nRep5=C:\\notes.txt\r\n");
    TConfigVossik& form = Start();
    ASSERT_EQ(form.Icons.Folders.size(), 2u);
    EXPECT_EQ(form.Icons.Folders[1]->Name, "Trois");
    EXPECT_EQ(form.Icons.Folders[1]->IconData.uID, 101u);
    EXPECT_EQ(form.Pages.PageRep.ListeRep.Count(), 2);
    EXPECT_EQ(form.Icons.Launches.size(), 1u);
    EXPECT_TRUE(system.boxes.empty());
    SaveIntoAnEmptyFile(form);
    Save(form);
    EXPECT_TRUE(SavedHas("Nombre=2"));
    EXPECT_FALSE(SavedHas("Rep2=")) << "no entry made of nothing";

    // 902 folders, one of them too long to take whole: the 901st whole one is past the list.
    std::string crowded = "[Dossiers]\r\nNombre=902\r\n";
    for (int n = 0; n < 902; ++n) {
        const std::string number = std::to_string(n);
        const std::string name = n == 5 ? std::string(2048, 'x') : "F" + number;
        crowded += "Rep" + number + "=C:\\Docs\r\nRac" + number + "=" + name + "\r\n";
    }
    crowded += "[Lancement Rapide]\r\nNombre=9001\r\n";
    for (int n = 0; n < 9001; ++n) crowded += "Rep" + std::to_string(n) + "=C:\\notes.txt\r\n";
    WithSettingsFile(crowded);
    system.boxes.clear();
    TConfigVossik& cut = Start();
    EXPECT_EQ(cut.Icons.Folders.size(), 900u);
    ASSERT_EQ(cut.Icons.Launches.size(), 9000u);
    EXPECT_EQ(cut.Icons.Launches.back()->IconData.uID, 9999u);
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_EQ(system.boxes[0].Title, "Information");
    EXPECT_EQ(system.boxes[0].Text,
              "Seuls les 900 premiers dossiers et les 9000 premiers lancements rapides ont été "
              "chargés : les suivants restent dans le fichier de paramètres.");

    // No save shortens the entries the file holds unless the user removed them, and the box
    // names those left past the list at each start while they stay there.
    std::multiset<std::string> held = EntriesIn(crowded);
    ASSERT_EQ(held.size(), 902u + 9001u);
    ASSERT_TRUE(Save(cut));
    EXPECT_EQ(EntriesIn(Saved()), held);
    cut.Pages.PageRep.ListeRep.SetItemIndex(3);
    cut.FolderEditing.EnleverRepBtnClick();
    AddEntry(cut.Icons.Folders, TrayItemKind::Folder, "Nouveau").Path = "C:\\Docs";
    ASSERT_TRUE(Save(cut));
    held.erase(held.find("Dossiers C:\\Docs (F3)"));
    held.insert("Dossiers C:\\Docs (Nouveau)");
    EXPECT_EQ(EntriesIn(Saved()), held);
    WithSettingsFile(Saved());
    system.boxes.clear();
    EXPECT_EQ(Start().Icons.Folders.size(), 900u);
    EXPECT_EQ(system.boxes.size(), 2u);
    ASSERT_TRUE(Save(*this->form));
    EXPECT_EQ(EntriesIn(Saved()), held);

    // One list cut: the box names that one alone.
    WithSettingsFile(crowded.substr(0, crowded.find("[Lancement Rapide]")));
    system.boxes.clear();
    Start();
    ASSERT_FALSE(system.boxes.empty());
    EXPECT_EQ(system.boxes[0].Text,
              "Seuls les 900 premiers dossiers ont été chargés : les suivants restent dans le "
              "fichier de paramètres.");
}

// A count that is no number of entries is taken as one past the list: the entries the file holds
// are read, a box says so, and a save counts them all.
TEST_F(SettingsTest, ACountThatIsNoNumberOfEntriesReadsTheEntriesThere) {
    for (const char* count : {"-1", "$FFFFFFFF", "12345678901234567890", "beaucoup"}) {
        SCOPED_TRACE(count);
        WithSettingsFile(std::string("[Dossiers]\r\nNombre=") + count +
                         "\r\nRep0=C:\\Docs\r\nRac0=Un\r\nRep2=C:\\Docs\r\nRac2=Deux\r\n"
                         "[Lancement Rapide]\r\nNombre=" +
                         count + "\r\nRep7=C:\\notes.txt\r\nRac7=Notes\r\n");
        system.boxes.clear();
        TConfigVossik& form = Start();
        EXPECT_EQ(form.Icons.Folders.size(), 2u);
        EXPECT_EQ(form.Icons.Launches.size(), 1u);
        ASSERT_EQ(system.boxes.size(), 1u);
        EXPECT_EQ(system.boxes[0].Title, "Information");
        EXPECT_EQ(system.boxes[0].Text,
                  "La valeur de Nombre dans les sections [Dossiers] et [Lancement Rapide] n'est "
                  "pas un nombre d'entrées : les entrées que le fichier de paramètres contient "
                  "ont été lues, et leur nombre y sera enregistré.");
        ASSERT_TRUE(Save(form));
        EXPECT_EQ(EntriesIn(Saved()),
                  (std::multiset<std::string>{"Dossiers C:\\Docs (Un)", "Dossiers C:\\Docs (Deux)",
                                              "Lancement Rapide C:\\notes.txt (Notes)"}));
    }
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

TEST_F(SettingsTest, MissingEntriesAreWarnedShownUnderAStandInAndKeepTheirStoredName) {
    WithSettingsFile(
        "[Dossiers]\r\nNombre=2\r\nRep0=C:\\Docs\r\nRac0=Documents\r\nRep1=C:\\Gone\r\n"
        "Rac1=Ancien\r\n");
    TConfigVossik& form = Start();
    ASSERT_EQ(form.Icons.Folders.size(), 2u);
    EXPECT_FALSE(form.Icons.Folders[0]->Missing);
    const TrayItem& missing = *form.Icons.Folders[1];
    EXPECT_TRUE(missing.Missing);
    EXPECT_EQ(missing.Name, "Ancien");
    EXPECT_EQ(missing.Tip(), "Problème avec le dossier n°1");
    EXPECT_NE(missing.Icon.Get(), nullptr) << "the utility's own icon";
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_EQ(system.boxes[0].Title, "Erreur");
    EXPECT_EQ(system.boxes[1].Title, "Avertissement");
    EXPECT_EQ(system.boxes[1].Text, "Le dossier \"C:\\Gone\" (Ancien) n'existe peut-être plus");

    form.Icons.RefreshTrayIcons();
    EXPECT_FALSE(missing.Shown) << "a missing entry never gets an icon";
    SaveIntoAnEmptyFile(form);
    Save(form);
    EXPECT_TRUE(SavedHas("Rep1=C:\\Gone\r\nRac1=Ancien"));
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

// Every row of the table at each end of its range goes from the file through its control and
// comes back the same, into a file that held nothing.
TEST_F(SettingsTest, EveryOptionSurvivesARoundTrip) {
    WithSettingsFile();
    TConfigVossik& first = Start();
    // Read for their keys and ranges only: the next start makes new controls.
    const std::vector<settings::Option> options = StoredOptions(first.Pages, first.Watcher.Delay());
    for (bool highest : {false, true}) {
        std::string written, section;
        for (const settings::Option& option : options) {
            if (option.Section != section) written += "[" + (section = option.Section) + "]\r\n";
            written += std::string(option.Key) + "=" +
                       std::to_string(highest ? option.Max : option.Min) + "\r\n";
        }
        WithSettingsFile(written);
        TConfigVossik& form = Start();
        SaveIntoAnEmptyFile(form);
        ASSERT_TRUE(Save(form));
        ProfileFile saved(Saved());
        for (const settings::Option& option : StoredOptions(form.Pages, form.Watcher.Delay()))
            EXPECT_EQ(saved.ReadInteger(option.Section, option.Key, INT_MIN),
                      highest ? option.Max : option.Min)
                << option.Section << " " << option.Key;
    }
}

// Notepad saves UTF-8 without a mark: the accented names match, and the file stays UTF-8.
TEST_F(SettingsTest, AUtf8FileLoadsLikeAnyOtherAndStaysUtf8) {
    WithSettingsFile(
        Utf8FromCp1252("[Arrêter]\r\nType d'arrêt=3\r\n[Lancement Rapide]\r\nNombre=1\r\n"
                       "Rep0=C:\\notes.txt\r\nRac0=Été\r\nOpt0=\xB6-é\r\n"));
    TConfigVossik& form = Start();
    EXPECT_TRUE(form.Pages.PageEteindre.RBEteindre.Checked());
    ASSERT_EQ(form.Icons.Launches.size(), 1u);
    EXPECT_EQ(form.Icons.Launches[0]->Name, "Été");
    EXPECT_EQ(form.Icons.Launches[0]->Options, "-é");

    Save(form);
    std::optional<std::string> saved = Cp1252FromUtf8(Saved());
    ASSERT_TRUE(saved) << "no longer UTF-8";
    EXPECT_TRUE(saved->starts_with("[Arrêter]\r\nType d'arrêt=3\r\n"));
    EXPECT_EQ(saved->find("[Arrêter]", 1), std::string::npos) << "a second section";
    EXPECT_NE(saved->find("Rac0=Été\r\nOpt0=\xB6-é\r\n"), std::string::npos);

    // A Mac editor's "ê": the section is not read, and no save adds a second one.
    const std::string mac = "[Arr\x90ter]\r\nType d'arr\x90t=3\r\n";
    WithSettingsFile(mac);
    system.boxes.clear();
    EXPECT_FALSE(Save(Start()));
    EXPECT_EQ(Saved(), mac);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Impossible d'écrire dans C:\\Vossik\\Vossik'.ini\r\nCe fichier contient déjà la "
              "section [Arrêter] sous une forme que Vossik' ne sait pas lire : l'enregistrer y "
              "ajouterait une seconde section [Arrêter].");
}

// An entry with a value longer than 2047 characters, or with characters Windows-1252 lacks, is
// not loaded and is named once; its lines and its number stay through every save, and entries
// removed since do not come back from behind it.
TEST_F(SettingsTest, EntriesTheProgramCannotTakeWholeStayInTheFileAsTheyWere) {
    const std::string tooLong(2048, 'x');
    const std::string folders =
        "[Dossiers]\r\nNombre=5\r\nRep0=C:\\Docs\r\nRep1=C:\\Docs\r\nRac1=" + tooLong +
        "\r\nRep2=C:\\Docs\r\nRac2=Deux\r\nRep3=C:\\Docs\r\nRep4=" + tooLong + "\r\n";
    const std::string launches =
        "[Lancement Rapide]\r\nNombre=1\r\nRep0=C:\\notes.txt\r\nOpt0=\xC2\xB6\xE6\x96\x87\r\n";
    WithSettingsFile(folders + launches);
    TConfigVossik& form = Start();
    ASSERT_EQ(form.Icons.Folders.size(), 3u);
    EXPECT_EQ(form.Icons.Folders[1]->Name, "Deux");
    EXPECT_TRUE(form.Icons.Launches.empty());
    const std::string told =
        "Ces entrées du fichier de paramètres n'ont pas été chargées : dossier n°1, dossier "
        "n°4, lancement rapide n°0.\r\nUn de leurs textes dépasse 2047 caractères, ou contient "
        "des caractères que Vossik' ne peut pas enregistrer. Elles restent dans le fichier "
        "telles quelles.";
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Title, "Avertissement");
    EXPECT_EQ(system.boxes[0].Text, told);

    Save(form);
    EXPECT_NE(Saved().find(folders), std::string::npos);
    EXPECT_NE(Saved().find(launches), std::string::npos);

    form.Icons.Folders.resize(1);
    Save(form);
    EXPECT_TRUE(SavedHas("Nombre=5\r\nRep0=C:\\Docs\r\nRep1=C:\\Docs\r\nRac1=" + tooLong +
                         "\r\nRep2=\r\nRac2=Deux\r\nRep3=\r\nRep4=" + tooLong));
    WithSettingsFile(Saved());
    system.boxes.clear();
    EXPECT_EQ(Start().Icons.Folders.size(), 1u);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text, told);
}

// UTF-32, or big-endian UTF-16 without its mark: at start, as a file that cannot be read, with
// why; the program runs with the defaults, and no save writes over the file.
TEST_F(SettingsTest, AFileInAnEncodingTheProgramCannotReadIsToldAtStartAndKept) {
    std::string utf32;
    for (char c : std::string("[Divers]\r\nSimple Click=0\r\n")) utf32 += {c, 0, 0, 0};
    WithSettingsFile(utf32);
    TConfigVossik& form = Start();
    EXPECT_TRUE(form.Pages.PageAPropos.RBSimpleClick.Checked()) << "the defaults";
    const std::string why =
        "Il est enregistré en UTF-32, un codage que Vossik' ne sait ni lire ni écrire.";
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Title, "Avertissement");
    EXPECT_EQ(system.boxes[0].Text,
              "Le fichier de paramètres n'a pas pu être lu :\r\nC:\\Vossik\\Vossik'.ini\r\n" + why +
                  "\r\n\nVossik' démarre avec les réglages par défaut. Pour qu'il le lise, "
                  "enregistrez ce fichier en ANSI, en UTF-8 ou en UTF-16.");
    form.AppliquerBtn.Click();
    EXPECT_EQ(Saved(), utf32);
    EXPECT_EQ(system.boxes.back().Text,
              "Impossible d'écrire dans C:\\Vossik\\Vossik'.ini\r\n" + why);
}

// The box says why, in the system's words; "Quitter" then asks, and only a yes ends the program
// without saving. Réduire and Appliquer abandon the rest of their work.
TEST_F(SettingsTest, ARefusedWriteSaysWhyLeavesTheFileWholeAndQuitsOnlyIfTheUserSaysSo) {
    WithSettingsFile("[Divers]\r\nSimple Click=1\r\n");
    TConfigVossik& form = Start();
    form.Show();
    system.refuseWrites = true;
    form.Pages.PageAPropos.RBDoubleClick.SetChecked(true);
    const std::pair<unsigned long, const char*> reasons[] = {
        {5, "Accès refusé."},
        {112, "Disque plein."},
        {errorcode::FileReadOnly, "Le fichier est en lecture seule."},
        {1234, "Erreur 1234."},
        {1, "Erreur 1."}};
    for (const auto& [error, reason] : reasons) {
        system.writeError = error;
        system.boxes.clear();
        system.boxAnswers = {mb::IdOk, mb::IdNo};
        form.QuitterBtn.Click();
        EXPECT_FALSE(backend.quitRequested);
        ASSERT_EQ(system.boxes.size(), 2u);
        EXPECT_EQ(system.boxes[0].Text,
                  std::string("Impossible d'écrire dans C:\\Vossik\\Vossik'.ini\r\n") + reason);
        EXPECT_EQ(system.boxes[0].Title, "Vossik'");
        EXPECT_EQ(system.boxes[1].Title, "Confirmation");
        EXPECT_EQ(system.boxes[1].Text,
                  "Les paramètres n'ont pas pu être enregistrés.\r\n"
                  "Quitter Vossik' sans les enregistrer ?");
        EXPECT_EQ(system.boxes[1].Flags & (mb::YesNo | mb::DefaultButton2),
                  mb::YesNo | mb::DefaultButton2)
            << "a reflex Enter keeps the program open";
    }
    EXPECT_EQ(Saved(), "[Divers]\r\nSimple Click=1\r\n");

    system.boxes.clear();
    form.OkBtn.Click();
    EXPECT_TRUE(form.Showing()) << "Réduire abandons the rest too";
    EXPECT_EQ(system.boxes.size(), 1u) << "and asks nothing";

    // The menu's "Quitter Vossik'" asks as the button does; a yes ends the program unsaved.
    system.boxAnswers = {mb::IdOk, mb::IdYes};
    form.Menu.MCQuitter.Click();
    EXPECT_TRUE(backend.quitRequested);
    EXPECT_EQ(Saved(), "[Divers]\r\nSimple Click=1\r\n");
}

bool Replaced(const std::vector<std::string>& calls) {
    return std::ranges::any_of(calls, [](const std::string& call) {
        return call.starts_with("replace ") || call.starts_with("rename ");
    });
}

TEST_F(SettingsTest, AFileThatIsThereButCannotBeReadIsNeverReplaced) {
    WithSettingsFile("[Divers]\r\nSimple Click=0\r\n");
    TConfigVossik& form = Start();
    system.fileContents.erase(SettingsFile);  // still there, no longer readable (locked, say)
    system.calls.clear();
    form.AppliquerBtn.Click();
    EXPECT_FALSE(Replaced(system.calls));
    ASSERT_FALSE(system.boxes.empty());
    EXPECT_EQ(system.boxes.back().Text,
              "Impossible d'écrire dans C:\\Vossik\\Vossik'.ini\r\nViolation de partage.");
}

// A lock that lasts a moment is waited out at start. One that lasts longer is told, with the
// system's reason; the program runs with the defaults, starts as with a file, and no save of
// any kind replaces the file it never read unless the user says yes to the question that names
// it, "Non" by default. Quitter then ends the program, the file as it was.
TEST_F(SettingsTest, NoSaveReplacesAFileNeverReadUnlessTheUserAgrees) {
    const std::string stored = "[Divers]\r\nSimple Click=0\r\n[Autre]\r\nCle=valeur\r\n";
    WithSettingsFile(stored);
    system.failingReads = 3;
    EXPECT_TRUE(Start().Pages.PageAPropos.RBDoubleClick.Checked());
    EXPECT_EQ(std::ranges::count(system.calls, "sleep 125"), 3);
    EXPECT_TRUE(system.boxes.empty());

    for (bool agree : {false, true}) {
        system.failingReads = 100;
        system.boxes.clear();
        TConfigVossik& form = Start();
        EXPECT_TRUE(form.StartsInTray());
        EXPECT_TRUE(form.Pages.PageAPropos.RBSimpleClick.Checked()) << "the defaults";
        ASSERT_EQ(system.boxes.size(), 1u);
        EXPECT_EQ(system.boxes[0].Title, "Avertissement");
        EXPECT_EQ(system.boxes[0].Text,
                  "Le fichier de paramètres n'a pas pu être lu :\r\nC:\\Vossik\\Vossik'.ini\r\n"
                  "Violation de partage.\r\n\nVossik' démarre avec les réglages par défaut, et ne "
                  "remplacera ce fichier qu'avec votre accord.");

        system.failingReads = 0;  // readable again
        form.Show();
        const std::function<void()> saves[] = {[&] { form.AppliquerBtn.Click(); },
                                               [&] { form.OkBtn.Click(); },
                                               [&] { form.Menu.MCMAJIcones.Click(); }};
        for (const auto& save : saves) {
            system.boxes.clear();
            system.boxAnswers = {agree ? mb::IdYes : mb::IdNo};
            save();
            // Once the user agreed, the file is the program's again.
            if (agree && &save != &saves[0]) {
                EXPECT_TRUE(system.boxes.empty());
                continue;
            }
            ASSERT_EQ(system.boxes.size(), 1u);
            EXPECT_EQ(system.boxes[0].Flags, mb::IconQuestion | mb::YesNo | mb::DefaultButton2);
            EXPECT_NE(system.boxes[0].Text.find("n'a pas pu être lu au démarrage de Vossik' :"
                                                "\r\nC:\\Vossik\\Vossik'.ini\r\n"),
                      std::string::npos);
        }
        if (agree) {
            EXPECT_TRUE(SavedHas("[Divers]\r\nSimple Click=1")) << Saved();
            EXPECT_TRUE(SavedHas("[Autre]\r\nCle=valeur")) << "lines we do not own stay";
            continue;
        }
        EXPECT_EQ(Saved(), stored);
        system.boxAnswers = {mb::IdNo};
        form.QuitterBtn.Click();
        EXPECT_TRUE(backend.quitRequested);
        EXPECT_EQ(Saved(), stored);
        backend.quitRequested = false;
    }
}

// A file another program changed since the program read or wrote it is replaced only on a yes
// to the question that says so; unchanged, or gone, it is written without one. A save nobody
// waits for (the scheduled shutdown's) leaves it as it is.
TEST_F(SettingsTest, AFileChangedBehindTheProgramsBackIsReplacedOnlyIfTheUserSaysSo) {
    WithSettingsFile("[Divers]\r\nSimple Click=0\r\n");
    TConfigVossik& form = Start();
    ASSERT_TRUE(Save(form));
    ASSERT_TRUE(Save(form));
    EXPECT_TRUE(system.boxes.empty());

    const std::string edited = Saved() + "[Autre]\r\nCle=valeur\r\n";
    system.fileContents[SettingsFile] = edited;
    EXPECT_EQ(SaveSettings(system, form.Settings, "Vossik'",
                           StoredOptions(form.Pages, form.Watcher.Delay()), form.Icons, false),
              SaveResult::Kept);
    EXPECT_TRUE(system.boxes.empty());
    system.boxAnswers = {mb::IdNo};
    form.AppliquerBtn.Click();
    EXPECT_EQ(Saved(), edited);
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Le fichier de paramètres a été modifié par un autre programme depuis que Vossik' "
              "l'a lu ou enregistré :\r\nC:\\Vossik\\Vossik'.ini\r\n\nLe remplacer par les "
              "réglages de cette fenêtre ?\r\n(Non : le fichier reste tel qu'il est, et les "
              "réglages de la fenêtre ne sont pas enregistrés.)");
    EXPECT_EQ(system.boxes[0].Flags, mb::IconQuestion | mb::YesNo | mb::DefaultButton2);

    system.boxAnswers = {mb::IdYes};
    form.Pages.PageAPropos.RBSimpleClick.SetChecked(true);
    form.AppliquerBtn.Click();
    EXPECT_TRUE(SavedHas("Simple Click=1"));
    EXPECT_TRUE(SavedHas("[Autre]\r\nCle=valeur"));

    system.boxes.clear();
    system.files.erase(SettingsFile);
    system.fileContents.erase(SettingsFile);
    form.AppliquerBtn.Click();
    EXPECT_TRUE(SavedHas("Simple Click=1"));
    EXPECT_TRUE(system.boxes.empty());
}
