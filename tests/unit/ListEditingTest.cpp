#include "listediting/BoiteExe.h"
#include "listediting/BoiteRepertoire.h"
#include "support/MainFormFixture.h"

namespace {

using Tray = std::map<std::uint32_t, std::string>;

class ListEditingTest : public MainFormFixture {
protected:
    // The main form with its dialogs, drive C: and the folders and files the shell knows.
    TConfigVossik& StartWithDialogs(const std::string& ini = "") {
        system.driveMask = 0b100;
        system.driveTypes = {{"C:\\", 3}};
        for (const char* path : {"C:\\Docs", "C:\\Photos", "C:\\Music", "C:\\notes.txt"})
            system.shellFiles[path] = {.DisplayName = LastName(path)};
        system.shellFiles["C:\\"] = {.DisplayName = "Disque (C:)"};
        system.files.insert("C:\\notes.txt");
        WithSettingsFile(ini);
        TConfigVossik& form = Start();
        system.boxes.clear();
        return form;
    }

    static std::string LastName(const std::string& path) {
        return path.substr(path.find_last_of('\\') + 1);
    }

    // The picker closes with OK on that folder (none: nothing selected) and name.
    void PickFolder(const std::wstring& folder, const std::string& name) {
        backend.modalAnswers.push_back([this, folder, name](ui::Form&) {
            Picker().Tree.SetSelectedPath(folder);
            Picker().Raccourci.SetCaption(name);
            return ui::ModalResult::Ok;
        });
    }

    // The launch dialog gets those fields and "Ok" is pressed; the dialog's answer comes back.
    void FillLaunch(const std::string& name, const std::string& command,
                    const std::string& parameters) {
        backend.modalAnswers.push_back([=, this](ui::Form&) {
            Launch().Nom.SetCaption(name);
            Launch().LigneCommande.SetCaption(command);
            Launch().OptionsExe.SetCaption(parameters);
            Launch().OkBtn.Click();
            return Launch().Result();
        });
    }

    std::vector<std::string> Tips(const TrayItemList& list) const {
        std::vector<std::string> tips;
        for (const auto& item : list) tips.push_back(item->Tip());
        return tips;
    }

    TBoiteRepertoire& Picker() { return form->BoiteRepertoire; }
    TBoiteExe& Launch() { return form->BoiteExe; }
};

}  // namespace

TEST_F(ListEditingTest, AddingFoldersAsksAboutDuplicatesAndDriveRootsAndKeepsOnlyStorablePaths) {
    TConfigVossik& form = StartWithDialogs();
    FoldersPage& page = form.Pages.PageRep;
    PickFolder(L"C:\\Docs", "Documents");
    PickFolder(L"c:\\DOCS", "");  // a duplicate in other letters: "&Non"
    PickFolder(L"C:\\", "");      // a drive's root: "&Oui"
    PickFolder(L"", "");          // OK without a folder
    system.boxAnswers = {mb::IdNo, mb::IdYes};
    for (int i = 0; i < 4; ++i) page.AjouterRepBtn.Click();

    EXPECT_EQ(page.ListeRep.Items(), (std::vector<std::string>{"C:\\Docs", "C:\\"}));
    EXPECT_EQ(Tips(form.Icons.Folders), (std::vector<std::string>{"Documents", "Disque (C:)"}));
    EXPECT_EQ(form.Icons.Folders[1]->IconData.uID, 101u);
    EXPECT_EQ(page.ListeRep.ItemIndex(), 1);
    EXPECT_TRUE(page.EnleverRepBtn.Enabled());
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_EQ(system.boxes[0].Text,
              "Ce dossier existe déjà dans la liste.\r\n\nVoulez-vous continuer quand même ?");
    EXPECT_EQ(system.boxes[0].Flags, mb::IconQuestion | mb::YesNo);
    EXPECT_TRUE(system.boxes[1].Text.starts_with("Vous avez sélectionné la racine du lecteur."));
    EXPECT_FALSE(system.trayTips.contains(100)) << "new folders wait for Appliquer";
}

TEST_F(ListEditingTest, AFolderMissingAtLoadKeepsItsStoredNameWhereverItMovesAndTakesANewOne) {
    TConfigVossik& form = StartWithDialogs(
        "[Dossiers]\r\nNombre=2\r\nRep0=C:\\Docs\r\nRac0=Docs\r\nRep1=C:\\Gone\r\nRac1=Old\r\n");
    FoldersPage& page = form.Pages.PageRep;
    form.Pages.Onglets.SetActivePage(page);
    form.Icons.RefreshTrayIcons();
    page.ListeRep.SetItemIndex(1);
    constexpr unsigned Up = 0x26;
    page.ListeRep.OnKeyDown(Up, true);
    form.AppliquerBtn.Click();
    const std::string& saved = system.fileContents[SettingsFile];
    EXPECT_NE(saved.find("Rep0=C:\\Gone\r\nRac0=Old\r\nRep1=C:\\Docs\r\nRac1=Docs\r\n"),
              std::string::npos)
        << saved;
    page.ModifierRepBtn.Click();  // cancelled
    EXPECT_EQ(Picker().Raccourci.Caption(), "Old") << "its own name, not its old place's";

    PickFolder(L"C:\\Photos", "");
    page.ListeRep.OnDblClick();
    EXPECT_EQ(form.Icons.Folders[0]->Path, "C:\\Photos");
    EXPECT_EQ(form.Icons.Folders[0]->Tip(), "Photos") << "no name: the last component";
    EXPECT_FALSE(form.Icons.Folders[0]->Shown) << "missing at load, it waits for a restart";
    form.AppliquerBtn.Click();
    EXPECT_NE(saved.find("Rep0=C:\\Photos\r\nRac0=\r\n"), std::string::npos) << saved;

    page.ListeRep.SetItemIndex(1);
    system.calls.clear();
    PickFolder(L"C:\\Docs", "Docs");
    page.ModifierRepBtn.Click();
    EXPECT_TRUE(NotifyCalls().empty()) << "same path, same name: nothing at all";
}

TEST_F(ListEditingTest, RemovingTheFirstOfThreeShownFoldersKeepsTheIconsInTheirPlaces) {
    TConfigVossik& form = StartWithDialogs(
        "[Dossiers]\r\nNombre=3\r\nRep0=C:\\Docs\r\nRep1=C:\\Photos\r\nRep2=C:\\Music\r\n"
        "[Lecteurs]\r\nAffichage=0\r\n[Arrêter]\r\nAfficher Icone=0\r\n");
    FoldersPage& page = form.Pages.PageRep;
    form.Icons.RefreshTrayIcons();
    page.ListeRep.SetItemIndex(0);
    page.EnleverRepBtn.Click();
    EXPECT_EQ(system.trayTips, (Tray{{100, "Photos"}, {101, "Music"}}));
    EXPECT_EQ(page.ListeRep.Items(), (std::vector<std::string>{"C:\\Photos", "C:\\Music"}));
    EXPECT_FALSE(page.EnleverRepBtn.Enabled());
    EXPECT_FALSE(page.ModifierRepBtn.Enabled());
    EXPECT_EQ(page.NomRep.Caption(), "");
}

TEST_F(ListEditingTest, TheLaunchDialogClosesOnlyOnAnExistingFileAndEntriesShowTheirLine) {
    TConfigVossik& form = StartWithDialogs();
    LaunchPage& page = form.Pages.PageApp;
    FillLaunch("Notes", "", "");                  // refused: empty
    FillLaunch("Notes", "C:\\notes.txt -x", "");  // refused: arguments
    FillLaunch("Notes", "C:\\notes.txt", "");     // accepted
    FillLaunch("", "C:\\notes.txt", "/p");        // accepted, no name
    for (int i = 0; i < 4; ++i) page.AjouterExeBtn.Click();
    ASSERT_EQ(system.boxes.size(), 2u);
    EXPECT_EQ(system.boxes[0].Text, "Vous devez spécifier au moins la ligne de commande");
    EXPECT_EQ(system.boxes[1].Text, "La ligne de commande est invalide");
    EXPECT_EQ(system.boxes[1].Title, "Erreur");
    EXPECT_TRUE(system.beeps.empty()) << "this dialog's messages come without a sound";
    EXPECT_EQ(page.ListeFich.Items(),
              (std::vector<std::string>{"Notes (C:\\notes.txt )", "notes.txt (C:\\notes.txt /p)"}));
    EXPECT_EQ(Tips(form.Icons.Launches), (std::vector<std::string>{"Notes", "notes.txt"}));

    // A confirmed change refreshes the icon even when nothing changed.
    form.Icons.RefreshTrayIcons();
    page.ListeFich.SetItemIndex(1);
    backend.modalAnswers.push_back([&](ui::Form&) {
        EXPECT_EQ(Launch().OptionsExe.Caption(), "/p");
        Launch().OkBtn.Click();
        return Launch().Result();
    });
    system.calls.clear();
    page.ModifierExeBtn.Click();
    EXPECT_EQ(NotifyCalls(), std::vector<std::string>{"modify 1001"});

    // Browsing starts on the command line and replaces it.
    system.shellFiles.clear();
    backend.openDialogAnswers = {L"C:\\Program Files\\app.exe", L"C:\\Программы\\app.exe"};
    Launch().LigneCommande.SetCaption("C:\\notes.txt");
    Launch().OuvrirBtn.Click();
    Launch().OuvrirBtn.Click();
    EXPECT_EQ(backend.openDialogsShown.front(), L"C:\\notes.txt");
    EXPECT_EQ(Launch().LigneCommande.Caption(), "C:\\Program Files\\app.exe")
        << "a file the settings cannot name is refused";
    EXPECT_TRUE(system.boxes.back().Text.starts_with("Ce chemin contient des caractères"));

    // A file that is there but that the shell cannot name is added, and the user is told.
    FillLaunch("", "C:\\notes.txt", "");
    page.AjouterExeBtn.Click();
    EXPECT_EQ(system.boxes.back().Text,
              "Erreur : ne peut retrouver le nom du fichier et/ou son icone.");
    EXPECT_EQ(page.ListeFich.Items().size(), 3u);
}

TEST_F(ListEditingTest, MovesAreOfferedWhereTheyArePossibleAndTradeTheIconsContents) {
    TConfigVossik& form = StartWithDialogs(
        "[Dossiers]\r\nNombre=3\r\nRep0=C:\\Docs\r\nRep1=C:\\Photos\r\nRep2=C:\\Music\r\nRac2=M\r\n"
        "[Lecteurs]\r\nAffichage=0\r\n[Arrêter]\r\nAfficher Icone=0\r\n");
    ListReordering& moves = form.Reordering;
    ui::ListBox& list = form.Pages.PageRep.ListeRep;
    form.Pages.Onglets.SetActivePage(form.Pages.PageRep);
    form.Icons.RefreshTrayIcons();
    auto offered = [&](int selected) {
        list.SetItemIndex(selected);
        moves.ContextHautBasPopup();
        return std::pair{moves.MCPlusHaut.Enabled, moves.MCPlusBas.Enabled};
    };
    EXPECT_EQ(offered(-1), std::pair(false, false));
    EXPECT_EQ(offered(0), std::pair(false, true));
    EXPECT_EQ(offered(2), std::pair(true, false));
    form.Pages.Onglets.SetActivePage(form.Pages.PageUS);
    EXPECT_EQ(offered(1), std::pair(false, false)) << "no list on the page shown";
    form.Pages.Onglets.SetActivePage(form.Pages.PageRep);

    constexpr unsigned Up = 0x26;
    list.SetItemIndex(0);
    EXPECT_TRUE(list.OnKeyDown(Up, true)) << "used up even at the top";
    EXPECT_FALSE(list.OnKeyDown(Up, false));
    EXPECT_EQ(list.Items()[0], "C:\\Docs");

    list.SetItemIndex(2);
    EXPECT_TRUE(list.OnKeyDown(Up, true));
    EXPECT_EQ(system.trayTips, (Tray{{100, "Docs"}, {101, "M"}, {102, "Photos"}}));
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"C:\\Docs", "C:\\Music", "C:\\Photos"}));
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(form.Pages.PageRep.NomRep.Caption(), "M");

    // While the menu shows, the selected entry goes: its command finds no selection left.
    moves.ContextHautBasPopup();
    form.Pages.PageRep.EnleverRepBtn.Click();
    moves.MCPlusHaut.Click();
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"C:\\Docs", "C:\\Photos"}));
}

// Past 900 folders the ids would run into the quick-launch entries'.
TEST_F(ListEditingTest, AFullListTakesNoMoreEntries) {
    TConfigVossik& form = StartWithDialogs();
    for (std::size_t k = 0; k < iconid::FolderCapacity; ++k)
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, "F");
    form.Pages.PageRep.AjouterRepBtn.Click();
    EXPECT_TRUE(backend.modalShown.empty()) << "the picker does not even open";
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "La liste des dossiers est pleine : elle en compte 900, le plus qu'elle puisse "
              "tenir.");
}
