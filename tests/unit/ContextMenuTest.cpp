#include "support/MainFormFixture.h"
#include "support/RecordingCanvas.h"
#include "ui/MenuDrawing.h"

namespace {

class ContextMenuTest : public MainFormFixture {
protected:
    static constexpr std::uint32_t Drive = 0, Folder = 100, Launch = 1000, Shutdown = 10000;

    TConfigVossik& StartWithEntries() {
        system.driveMask = 0b100;  // C:
        system.driveTypes = {{"C:\\", 3}};
        system.shellFiles["C:\\"] = {.DisplayName = "Disque local (C:)"};
        WithSettingsFile();
        TConfigVossik& form = Start();
        AddEntry(form.Icons.Folders, TrayItemKind::Folder, "R&D").Path = "C:\\Docs";
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
    EXPECT_EQ(menu.MCNom.Caption, "R&&D") << "the name as written, without an access key";
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
    EXPECT_EQ(Shown(menu.Root()),
              with({"MCNom", "N2", "MCChangerNom", "MCRedemarrerPC*", "MCEteindre"}))
        << "restarting Windows alone is never offered";
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
                         "winexec \"C:\\Windows\\EXPLORER.EXE\" /root,C:\\ 1",
                         "winexec \"C:\\Windows\\EXPLORER.EXE\" /e,/root,C:\\ 1",
                         "shellexecute find [C:\\] [] [] 1",
                         "shellexecuteex properties [C:\\] 0x40c",
                         "itemmenu [C:\\] 7 200",
                         "winexec \"C:\\Windows\\EXPLORER.EXE\" C:\\Docs 1",
                         "winexec \"C:\\Windows\\EXPLORER.EXE\" /e,C:\\Docs 1",
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

TEST_F(ContextMenuTest, TheShellsMenuOfAPatternHoldsItsMatchesAndItsRenameIsLeftAlone) {
    TConfigVossik& form = StartWithEntries();
    form.Icons.Launches[0]->Path = "C:\\Outils\\*.exe";
    system.matchingNames["C:\\Outils\\*.exe"] = {"a.exe", "b.exe"};
    system.cursorX = 7;
    auto name = [](ContextMenu& menu) { menu.MCNom.Click(); };
    for (unsigned choice : {19u, 0u, 5u}) {
        system.itemMenuChoice = choice;
        OpenFor(Launch, name);
    }
    system.matchingNames.clear();
    OpenFor(Launch, name);
    const std::string shown = "itemmenu [C:\\Outils\\ a.exe b.exe] 7 200";
    EXPECT_EQ(CallsStarting("item"),
              (std::vector<std::string>{shown, shown, shown, "iteminvoke 5"}))
        << "renaming is not carried out, and a pattern matching nothing shows no menu";
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

TEST_F(ContextMenuTest, ItemsAreMeasuredTwentyHighWithRoomForTheStrip) {
    ui::PopupMenu& menu = StartWithEntries().Menu.MenuContext;
    ContextMenu& context = form->Menu;
    // A 13-pixel caption in a 19-pixel menu bar, with a 16-pixel picture.
    const ui::MenuItemMetrics metrics{50, 13, 19, 16, 16};
    EXPECT_EQ(ui::MeasureMenuItem(menu, context.MCOuvrir, metrics),
              (ui::MenuItemSize{50 + 20 + ui::MenuCaptionGap + ui::MenuRightGap + 25, 20}));
    EXPECT_EQ(ui::MeasureMenuItem(menu, context.MCLecteurs, {50, 13, 19, 0, 0}).Width,
              50 + 20 + ui::MenuCaptionGap + ui::MenuRightGap)
        << "no strip in the submenu; the picture column stays at its least";
    EXPECT_EQ(ui::MeasureMenuItem(menu, context.N2, metrics), (ui::MenuItemSize{25, 9}));
    EXPECT_EQ(ui::MeasureMenuItem(menu, context.N2, {0, 24, 19, 0, 0}).Height, 12);

    // Without the hooks: the larger of the bar less 2 and the caption, and the picture + 4.
    menu.OnMeasureItem = nullptr;
    EXPECT_EQ(ui::MeasureMenuItem(menu, context.MCOuvrir, {50, 13, 19, 0, 0}).Height, 17);
    EXPECT_EQ(ui::MeasureMenuItem(menu, context.MCOuvrir, {50, 13, 19, 32, 32}),
              (ui::MenuItemSize{50 + 34 + ui::MenuCaptionGap + ui::MenuRightGap + 25, 36}));

    form->Pages.PageUS.LabelVossik1.OnClick();
    EXPECT_EQ(ui::MeasureMenuItem(menu, context.N2, metrics).Width, 1) << "strip off";
    form->Pages.PageUS.LabelVossik1.OnClick();
    EXPECT_EQ(menu.LeftMargin, 24);
}

TEST_F(ContextMenuTest, NameItemIsBoldOnItsBandWithTheIconsOwnPictureAndTicksArePictures) {
    StartWithEntries();
    ContextMenu& menu = OpenFor(Folder);
    const TrayItem& folder = *form->Icons.Folders[0];
    ui::MenuItemParams name = ui::ItemParams(menu.MenuContext, menu.MCNom, false);
    EXPECT_TRUE(name.Bold);
    EXPECT_EQ(name.Background, ui::Rgb(255, 255, 128));
    EXPECT_EQ(name.TextColor, ui::Black);
    EXPECT_EQ(name.Picture, folder.Icon.Get());
    EXPECT_EQ(menu.MCNom.ImageIndex, -1);
    ui::MenuItemParams hovered = ui::ItemParams(menu.MenuContext, menu.MCNom, true);
    EXPECT_EQ(hovered.Background, ui::syscolor::Highlight);
    EXPECT_TRUE(hovered.Bold);

    EXPECT_EQ(ui::ItemParams(menu.MenuContext, menu.MCLecteurs, false).PictureImage, 8);
    EXPECT_FALSE(ui::ItemParams(menu.MenuContext, menu.MCOuvrir, false).Bold);
    EXPECT_TRUE(ui::ItemParams(menu.MenuContext, menu.MCExplorer, false).Bold) << "default";
    form->Pages.PageRep.ActiverRep.SetChecked(false);
    OpenFor(Shutdown);
    EXPECT_EQ(ui::ItemParams(menu.MenuContext, menu.MCDossiers, false).PictureImage, -1);
    EXPECT_EQ(ui::ItemParams(menu.MenuContext, menu.MCNom, false).Picture, nullptr);
    EXPECT_EQ(menu.MCNom.ImageIndex, 0) << "the shutdown picture";
    EXPECT_EQ(system.liveIcons.count(folder.Icon.Get()), 1u) << "the record's icon stays";
}

// Under high contrast the name item and the strip take the menu's colours, whatever the
// user's; flat menus select in the menu highlight colour.
TEST_F(ContextMenuTest, HighContrastAndFlatMenusDrawInTheUsersMenuColours) {
    StartWithEntries();
    system.highContrast = system.flatMenus = true;
    system.sysColors[4] = ui::Rgb(16, 16, 16);
    ContextMenu& menu = OpenFor(Folder);
    ui::MenuItemParams name = ui::ItemParams(menu.MenuContext, menu.MCNom, false);
    EXPECT_EQ(name.Background, ui::syscolor::Menu);
    EXPECT_EQ(name.TextColor, ui::syscolor::MenuText);
    EXPECT_TRUE(name.Bold);
    EXPECT_EQ(ui::ItemParams(menu.MenuContext, menu.MCNom, true).Background,
              ui::syscolor::MenuHilight);
    EXPECT_EQ(ui::ItemParams(menu.MenuContext, menu.MCOuvrir, true).TextColor,
              ui::syscolor::HighlightText);

    RecordingCanvas canvas;
    menu.MenuContextDrawMargin(canvas, {0, 0, 24, 320});
    EXPECT_EQ(canvas.fonts.at(0).TextColor, ui::syscolor::MenuText);
    for (int band : {0, 31}) EXPECT_EQ(canvas.fills.at(band).Color, ui::Rgb(16, 16, 16));

    system.highContrast = system.flatMenus = false;
    OpenFor(Folder);
    EXPECT_EQ(ui::ItemParams(menu.MenuContext, menu.MCNom, false).Background,
              ui::Rgb(255, 255, 128));
    EXPECT_EQ(ui::ItemParams(menu.MenuContext, menu.MCNom, true).Background,
              ui::syscolor::Highlight);
}

TEST_F(ContextMenuTest, TheStripIsAGradientUnderTheTurnedTitle) {
    StartWithEntries();
    ContextMenu& menu = form->Menu;
    RecordingCanvas canvas;
    menu.MenuContextDrawMargin(canvas, {0, 0, 24, 320});
    ASSERT_EQ(canvas.fonts.size(), 1u);
    EXPECT_EQ(canvas.fonts[0], (ui::Font{"Arial", -16, true, false, ui::White}));
    EXPECT_EQ(canvas.rotations, std::vector<int>{90});
    ASSERT_EQ(canvas.fills.size(), 34u);
    EXPECT_EQ(canvas.fills[0].Rect, (ui::Rect{0, 0, 21, 10}));
    EXPECT_EQ(canvas.fills[0].Color, system.SysColor(2)) << "the active caption at the top";
    EXPECT_EQ(canvas.fills[31].Rect, (ui::Rect{0, 310, 21, 320}));
    EXPECT_EQ(canvas.fills[31].Color, ui::Black);
    EXPECT_EQ(canvas.fills[32].Rect, (ui::Rect{22, 0, 23, 320}));
    EXPECT_EQ(canvas.fills[32].Color, ui::syscolor::BtnShadow);
    EXPECT_EQ(canvas.fills[33].Rect, (ui::Rect{23, 0, 24, 320}));
    EXPECT_EQ(canvas.fills[33].Color, ui::syscolor::BtnHighlight);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].Value, "V o s s i k '");
    EXPECT_EQ(canvas.texts[0].X, 2);
    EXPECT_EQ(canvas.texts[0].Y, 315);
    EXPECT_EQ(canvas.clips, std::vector<ui::Rect>{(ui::Rect{0, 0, 24, 320})});
}
