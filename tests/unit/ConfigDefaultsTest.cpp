#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/Pages.h"
#include "ui/Form.h"

namespace {

// The five pages as the main form makes them, on empty lists.
struct Pages {
    ui::Form form{"ConfigVossik"};
    TrayItemList none;
    ConfigPages all{form, none, none};
    ui::PageControl& onglets = all.Onglets;
    DrivesPage& us = all.PageUS;
    FoldersPage& rep = all.PageRep;
    LaunchPage& app = all.PageApp;
    ShutdownPage& eteindre = all.PageEteindre;
    AboutPage& apropos = all.PageAPropos;
};

void CollectRadios(ui::Control& parent, std::vector<ui::RadioButton*>& radios) {
    for (ui::Control* child : parent.Children()) {
        if (child->Kind() == ui::ControlKind::RadioButton)
            radios.push_back(static_cast<ui::RadioButton*>(child));
        CollectRadios(*child, radios);
    }
}

}  // namespace

TEST(ConfigDefaults, OptionsReadByTheTrayStartAsTheWindowIsMade) {
    Pages pages;

    // Every drive kind is shown, opened in the explorer view, not as a root.
    EXPECT_TRUE(pages.us.ActiverUS.Checked());
    for (const ui::CheckBox* kind : {&pages.us.CBDisquette, &pages.us.CBDD, &pages.us.CBCD,
                                     &pages.us.CBRam, &pages.us.CBReseau})
        EXPECT_TRUE(kind->Checked()) << kind->Name();
    EXPECT_TRUE(pages.us.RBExplorerUS.Checked());
    EXPECT_FALSE(pages.us.CBRacineUS.Checked());

    // Folders open in the plain view, as roots.
    EXPECT_TRUE(pages.rep.ActiverRep.Checked());
    EXPECT_TRUE(pages.rep.RBNormalRep.Checked());
    EXPECT_TRUE(pages.rep.CBRacineRep.Checked());
    EXPECT_TRUE(pages.app.ActiverExe.Checked());

    // The shutdown icon powers off, unforced, after confirmation; no schedule.
    EXPECT_TRUE(pages.eteindre.CBAfficherArreter.Checked());
    EXPECT_EQ(pages.eteindre.ActionCaption(), "Eteindre");
    EXPECT_FALSE(pages.eteindre.CBForcer.Checked());
    EXPECT_TRUE(pages.eteindre.CBConfirmer.Checked());
    EXPECT_FALSE(pages.eteindre.CBEteindreAuto.Checked());
    EXPECT_EQ(pages.eteindre.GroupePeriode.ItemIndex(), 0) << "Uniquement aujourd'hui";
    EXPECT_TRUE(pages.eteindre.CBRappel1min.Checked());
    EXPECT_TRUE(pages.eteindre.CBConfirmationAuto.Checked());

    // One click opens; icons follow drive changes and keep an ejected CD only.
    EXPECT_TRUE(pages.apropos.RBSimpleClick.Checked());
    EXPECT_FALSE(pages.apropos.RBDoubleClick.Checked());
    EXPECT_TRUE(pages.apropos.CBActiverMAJ.Checked());
    EXPECT_TRUE(pages.apropos.CBGarderCD.Checked());
    EXPECT_FALSE(pages.apropos.CBGarderNet.Checked());

    // The lists start empty, so only adding is possible.
    EXPECT_TRUE(pages.rep.AjouterRepBtn.Enabled());
    EXPECT_FALSE(pages.rep.ModifierRepBtn.Enabled());
    EXPECT_FALSE(pages.rep.EnleverRepBtn.Enabled());
    EXPECT_TRUE(pages.app.AjouterExeBtn.Enabled());
    EXPECT_FALSE(pages.app.ModifierExeBtn.Enabled());
    EXPECT_FALSE(pages.app.EnleverExeBtn.Enabled());
    EXPECT_EQ(pages.rep.ListeRep.ItemIndex(), -1);
    EXPECT_EQ(pages.app.ListeFich.ItemIndex(), -1);
}

TEST(ConfigDefaults, HourAndMinuteLinesNameTheirValueInTheRightNumber) {
    Pages pages;
    const ui::ComboBox& heure = pages.eteindre.Heure;
    const ui::ComboBox& minutes = pages.eteindre.Minutes;

    ASSERT_EQ(heure.Count(), 24);
    EXPECT_EQ(heure.Items()[0], "0 heure");
    EXPECT_EQ(heure.Items()[1], "1 heure");
    EXPECT_EQ(heure.Items()[2], "2 heures");
    EXPECT_EQ(heure.Items()[23], "23 heures");
    ASSERT_EQ(minutes.Count(), 12);
    EXPECT_EQ(minutes.Items()[0], "0 minute");
    EXPECT_EQ(minutes.Items()[1], "5 minutes");
    EXPECT_EQ(minutes.Items()[11], "55 minutes");

    // The schedule reads the hour as the line index and the minute as five times it.
    for (int i = 0; i < heure.Count(); ++i) EXPECT_EQ(std::stoi(heure.Items()[i]), i);
    for (int i = 0; i < minutes.Count(); ++i) EXPECT_EQ(std::stoi(minutes.Items()[i]), 5 * i);

    // Every line shows without scrolling, and the first one is chosen.
    EXPECT_GE(heure.DropDownCount(), heure.Count());
    EXPECT_GE(minutes.DropDownCount(), minutes.Count());
    EXPECT_EQ(heure.ItemIndex(), 0);
    EXPECT_EQ(minutes.ItemIndex(), 0);
}

TEST(ConfigDefaults, RadioButtonsExcludeEachOtherOnlyInsideTheirGroupBox) {
    Pages pages;
    std::vector<ui::RadioButton*> radios;
    CollectRadios(pages.onglets, radios);
    std::map<ui::Control*, std::vector<ui::RadioButton*>> groups;
    for (ui::RadioButton* radio : radios) {
        // A radio loose on a page would switch off the choice of another group.
        ASSERT_EQ(radio->Parent()->Kind(), ui::ControlKind::GroupBox) << radio->Name();
        groups[radio->Parent()].push_back(radio);
    }
    EXPECT_EQ(groups.size(), 4u);

    auto checkedIn = [](const std::vector<ui::RadioButton*>& group) {
        std::vector<ui::RadioButton*> checked;
        for (ui::RadioButton* radio : group)
            if (radio->Checked()) checked.push_back(radio);
        return checked;
    };
    for (auto& [box, group] : groups) {
        EXPECT_EQ(checkedIn(group).size(), 1u) << box->Name() << " starts with one choice";
        for (ui::RadioButton* radio : group) {
            std::map<ui::Control*, ui::RadioButton*> others;
            for (auto& [otherBox, otherGroup] : groups)
                if (otherBox != box) others[otherBox] = checkedIn(otherGroup).at(0);

            radio->Click();
            EXPECT_EQ(checkedIn(group), std::vector<ui::RadioButton*>{radio}) << radio->Name();
            for (auto& [otherBox, choice] : others)
                EXPECT_TRUE(choice->Checked()) << radio->Name() << " changed " << otherBox->Name();
        }
    }
}
