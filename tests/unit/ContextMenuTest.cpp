#include "support/MainFormFixture.h"

namespace {

class ContextMenuTest : public MainFormFixture {
protected:
    static constexpr std::uint32_t Drive = 0, Folder = 100, Launch = 1000, Shutdown = 10000;

    TConfigVossik& StartWithEntries() {
        system.driveMask = 0b100;  // C:
        system.driveTypes = {{"C:\\", 3}};
        system.shellFiles["C:\\"] = {nullptr, "Disque local (C:)"};
        WithSettingsFile();
        TConfigVossik& form = Start();
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, "Docs").Path = "C:\\Docs";
        TrayItem& notes = AddEntry(form.Icons.Launches, TrayItemKind::Launch, "Notes");
        notes.Path = "C:\\Outils\\notes.exe";
        notes.Options = "/n";
        form.Icons.RefreshTrayIcons();
        system.calls.clear();
        return form;
    }

    // Opens the menu for an icon, as a right press does, and lets `choose` act while it shows.
    ContextMenu& OpenFor(std::uint32_t id, std::function<void(ContextMenu&)> choose = {}) {
        ContextMenu& menu = form->Menu;
        backend.onPopup = [&](ui::PopupMenu&) {
            if (choose) choose(menu);
        };
        form->OnMessage({msg::TrayCallback, id, static_cast<std::intptr_t>(msg::RButtonDown)},
                        [] { return std::intptr_t{0}; });
        return menu;
    }

    std::vector<std::string> CallsStarting(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& call : system.calls)
            if (call.starts_with(prefix)) found.push_back(call);
        return found;
    }

    static std::vector<std::string> Shown(const ui::MenuItem& parent) {
        std::vector<std::string> names;
        for (const ui::MenuItem* item : parent.Items())
            if (item->Visible) names.push_back(item->Name() + (item->Default ? "*" : ""));
        return names;
    }
};

}  // namespace

TEST_F(ContextMenuTest, ItemsFollowTheClickedIconsGroupAndTheOptions) {
    TConfigVossik& form = StartWithEntries();
    const std::vector<std::string> lower = {"N6", "MCReorganiser", "MCMAJIcones", "MCAfficher",
                                            "N7", "MCConfig",      "MCQuitter"};
    auto with = [&](std::vector<std::string> upper) {
        upper.insert(upper.end(), lower.begin(), lower.end());
        return upper;
    };

    ContextMenu& menu = OpenFor(Drive);
    EXPECT_EQ(menu.MCNom.Caption, "Disque local (C:)");
    EXPECT_EQ(Shown(menu.Root()),
              with({"MCNom", "N2", "MCOuvrir", "MCExplorer*", "MCRechercher", "MCProprietes"}));
    EXPECT_TRUE(menu.MCExplorer.Enabled);

    form.Pages.PageRep.RBExplorerREp.SetChecked(false);
    OpenFor(Folder);
    EXPECT_EQ(menu.MCNom.Caption, "Docs");
    EXPECT_TRUE(menu.MCOuvrir.Default) << "the folder page's normal view";
    EXPECT_FALSE(menu.MCExplorer.Default);

    OpenFor(Launch);
    EXPECT_FALSE(menu.MCExplorer.Enabled) << "shown but greyed";
    EXPECT_TRUE(menu.MCExplorer.Visible);
    EXPECT_TRUE(menu.MCOuvrir.Default);

    form.Pages.PageEteindre.RBRedemarrer.SetChecked(true);
    form.Pages.PageUS.ActiverUS.SetChecked(false);
    form.Pages.PageAPropos.CBActiverMAJ.SetChecked(false);
    OpenFor(Shutdown);
    EXPECT_EQ(menu.MCNom.Caption, form.Icons.ShutdownItem.Tip());
    EXPECT_EQ(Shown(menu.Root()), with({"MCNom", "N2", "MCChangerNom", "MCRedemarrerWin",
                                        "MCRedemarrerPC*", "MCEteindre"}));
    EXPECT_FALSE(menu.MCLecteurs.Checked) << "the ticks mirror the check boxes";
    EXPECT_TRUE(menu.MCDossiers.Checked);
    EXPECT_FALSE(menu.MCMAJIcones.Checked);

    EXPECT_EQ(menu.MCChangerNom.Tag, 0);
    EXPECT_EQ(menu.MCRedemarrerWin.Tag, 66);
    EXPECT_EQ(menu.MCRedemarrerPC.Tag, 2);
    EXPECT_EQ(menu.MCEteindre.Tag, 8);
    std::vector<int> actions;
    menu.OnEteindre = [&](ui::MenuItem& item) { actions.push_back(item.Tag); };
    OpenFor(Shutdown, [](ContextMenu& shown) { shown.MCEteindre.Click(); });
    EXPECT_EQ(actions, std::vector<int>{8});
}

TEST_F(ContextMenuTest, OnWindowsXPRestartingWindowsAloneIsNeverOffered) {
    system.version = {5, 1};
    TConfigVossik& form = StartWithEntries();
    form.Pages.PageEteindre.RBLogOff.SetChecked(true);
    ContextMenu& menu = OpenFor(Shutdown);
    EXPECT_EQ(Shown(menu.Root())[2], "MCChangerNom*");
    EXPECT_FALSE(menu.MCRedemarrerWin.Visible);
    EXPECT_TRUE(menu.MCEteindre.Visible);
}

TEST_F(ContextMenuTest, CommandsAskTheSystemForTheClickedRecord) {
    TConfigVossik& form = StartWithEntries();
    form.Pages.PageUS.CBRacineUS.SetChecked(true);
    for (std::uint32_t id : {Drive, Folder, Launch, Shutdown}) {
        OpenFor(id, [](ContextMenu& menu) { menu.MCOuvrir.Click(); });
        OpenFor(id, [](ContextMenu& menu) { menu.MCExplorer.Click(); });
        OpenFor(id, [](ContextMenu& menu) { menu.MCRechercher.Click(); });
        OpenFor(id, [](ContextMenu& menu) { menu.MCProprietes.Click(); });
        system.cursorX = 7;
        OpenFor(id, [](ContextMenu& menu) { menu.MCNom.Click(); });
    }
    std::vector<std::string> asked;
    for (const std::string& call : system.calls)
        if (!call.starts_with("sendmessage")) asked.push_back(call);
    EXPECT_EQ(asked, (std::vector<std::string>{
                         "winexec EXPLORER.EXE /root,C:\\ 1",
                         "winexec EXPLORER.EXE /e,/root,C:\\ 1",
                         "shellexecute find [C:\\] [] [] 1",
                         "shellexecuteex properties [C:\\] 0x40c",
                         "itemmenu [C:\\] 7 200",
                         "winexec EXPLORER.EXE C:\\Docs 1",
                         "winexec EXPLORER.EXE /e,C:\\Docs 1",
                         "shellexecute find [C:\\Docs] [] [] 1",
                         "shellexecuteex properties [C:\\Docs] 0x40c",
                         "itemmenu [C:\\Docs] 7 200",
                         "shellexecute open [C:\\Outils\\notes.exe] [/n] [] 1",
                         "shellexecute open [C:\\Outils\\notes.exe] [/n] [] 1",
                         "shellexecute find [C:\\Outils\\] [] [] 1",
                         "shellexecuteex properties [C:\\Outils\\notes.exe] 0x40c",
                         "itemmenu [C:\\Outils\\notes.exe] 7 200",
                     }))
        << "the shutdown icon's name and properties do nothing";
}

TEST_F(ContextMenuTest, HidingTheLastShownGroupIsRefusedAndUndone) {
    TConfigVossik& form = StartWithEntries();
    form.Pages.PageUS.ActiverUS.SetChecked(false);
    form.Pages.PageRep.ActiverRep.SetChecked(false);
    form.Pages.PageEteindre.CBAfficherArreter.SetChecked(false);
    form.Icons.RefreshTrayIcons();
    system.calls.clear();

    OpenFor(Launch, [](ContextMenu& menu) { menu.MCLancements.Click(); });
    ASSERT_EQ(system.boxes.size(), 1u);
    EXPECT_EQ(system.boxes[0].Text,
              "Vos choix n'afficheront aucune icône.\r\n\n"
              "Affichez-en au moins une, ou choisissez 'Quitter'.");
    EXPECT_TRUE(form.Menu.MCLancements.Checked);
    EXPECT_TRUE(form.Pages.PageApp.ActiverExe.Checked());
    EXPECT_EQ(system.trayTips.count(Launch), 1u);
    EXPECT_EQ(NotifyCalls(), (std::vector<std::string>{"delete 1000", "add 1000"}));
    EXPECT_NE(system.fileContents[SettingsFile].find("[Lancement Rapide]\r\nAffichage=1"),
              std::string::npos);

    OpenFor(Launch, [](ContextMenu& menu) { menu.MCDossiers.Click(); });
    EXPECT_TRUE(form.Pages.PageRep.ActiverRep.Checked());
    EXPECT_EQ(system.trayTips.count(Folder), 1u) << "shown at once";
    EXPECT_EQ(system.boxes.size(), 1u);

    OpenFor(Launch, [](ContextMenu& menu) { menu.MCMAJIcones.Click(); });
    EXPECT_FALSE(form.Pages.PageAPropos.CBActiverMAJ.Checked());
    EXPECT_NE(system.fileContents[SettingsFile].find("MAJ Icônes=0"), std::string::npos)
        << "saved at once";
}
