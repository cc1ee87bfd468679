#include "pages/CheckSomeIconShown.h"
#include "support/MainFormFixture.h"
#include "ui/EnableControlTree.h"

using EnablingRulesTest = MainFormFixture;

TEST_F(EnablingRulesTest, FolderBoxOffClearsTheSelectionAndOnLeavesEditingWaitingForANewOne) {
    TConfigVossik& form = Start();
    FoldersPage& page = form.Pages.PageRep;
    AddEntry(form.Icons.Folders, TrayItemKind::Folder, "Docs");
    page.ListeRep.AddItem("C:\\Docs");
    page.ListeRep.SetItemIndex(0);
    page.ListeRepClick();
    EXPECT_TRUE(page.ModifierRepBtn.Enabled());
    EXPECT_EQ(page.NomRep.Caption(), "Docs");
    EXPECT_EQ(page.ListeRep.Hint(), "C:\\Docs");

    page.ActiverRep.Click();
    for (ui::Control* off :
         std::initializer_list<ui::Control*>{&page.ListeRep, &page.AjouterRepBtn, &page.NomRepLbl,
                                             &page.ModifierRepBtn, &page.EnleverRepBtn})
        EXPECT_FALSE(off->Enabled()) << off->Name();
    EXPECT_EQ(page.ListeRep.FontColor(), ui::syscolor::GrayText);
    EXPECT_EQ(page.NomRep.Caption(), "");
    EXPECT_EQ(page.ListeRep.Hint(), "");
    EXPECT_EQ(page.ListeRep.ItemIndex(), -1);
    EXPECT_TRUE(page.TypeOuvertureRep.Enabled());
    EXPECT_TRUE(page.RBNormalRep.Enabled());

    page.ActiverRep.Click();
    EXPECT_TRUE(page.ListeRep.Enabled());
    EXPECT_EQ(page.ListeRep.FontColor(), ui::syscolor::WindowText);
    EXPECT_TRUE(page.AjouterRepBtn.Enabled());
    EXPECT_TRUE(page.NomRepLbl.Enabled());
    EXPECT_FALSE(page.ModifierRepBtn.Enabled()) << "until a line is selected again";
    EXPECT_FALSE(page.EnleverRepBtn.Enabled());
}

TEST_F(EnablingRulesTest, DriveAndLaunchBoxesSwitchTheirOwnControlsOnly) {
    TConfigVossik& form = Start();
    form.Pages.PageUS.ActiverUS.Click();
    EXPECT_FALSE(form.Pages.PageUS.MontrerTypeUS.Enabled());
    for (ui::Control* box : form.Pages.PageUS.MontrerTypeUS.Children())
        EXPECT_FALSE(box->Enabled());
    EXPECT_TRUE(form.Pages.PageUS.TypeOuvertureUS.Enabled());
    EXPECT_TRUE(form.Pages.PageUS.CBRacineUS.Enabled());

    LaunchPage& launch = form.Pages.PageApp;
    launch.ListeFich.AddItem("Notes (C:\\notes.txt )");
    launch.ListeFich.SetItemIndex(0);
    launch.ActiverExe.Click();
    EXPECT_FALSE(launch.ListeFich.Enabled());
    EXPECT_FALSE(launch.AjouterExeBtn.Enabled());
    EXPECT_FALSE(launch.ModifierExeBtn.Enabled());
    EXPECT_EQ(launch.ListeFich.ItemIndex(), -1);

    form.Pages.PageAPropos.CBActiverMAJ.Click();
    EXPECT_FALSE(form.Pages.PageAPropos.CBGarderCD.Enabled());
    EXPECT_FALSE(form.Pages.PageAPropos.CBGarderNet.Enabled());
}

TEST_F(EnablingRulesTest, EditsSwitchBetweenWindowAndButtonFaceColour) {
    TConfigVossik& form = Start();
    ui::Edit& edit = form.Pages.PageRep.NomRep;
    ui::EnableControlTree(edit, true);
    EXPECT_EQ(edit.BackColor(), ui::syscolor::Window);
    ui::EnableControlTree(edit, false);
    EXPECT_EQ(edit.BackColor(), ui::syscolor::BtnFace);
}

TEST_F(EnablingRulesTest, OneShownDriveIsEnoughForTheCheck) {
    system.driveMask = 0b100;
    system.driveTypes = {{"C:\\", 3}};
    system.shellFiles["C:\\"] = {};
    TConfigVossik& form = Start();
    form.Pages.PageRep.ActiverRep.SetChecked(false);
    form.Pages.PageApp.ActiverExe.SetChecked(false);
    form.Pages.PageEteindre.CBAfficherArreter.SetChecked(false);
    form.Icons.RefreshTrayIcons();
    EXPECT_TRUE(CheckSomeIconShown(system, form.Icons));
    EXPECT_TRUE(system.boxes.empty());
}
