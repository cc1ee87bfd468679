#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "config/Pages.h"

namespace {

// The five pages as the main form holds them, before it wires any handler.
struct ConfigPages {
    ui::PageControl onglets{nullptr, "Onglets"};
    DrivesPage us{onglets};
    FoldersPage rep{onglets};
    LaunchPage app{onglets};
    ShutdownPage eteindre{onglets};
    AboutPage apropos{onglets};
};

void CollectRadios(ui::Control& parent, std::vector<ui::RadioButton*>& radios) {
    for (ui::Control* child : parent.Children()) {
        if (child->Kind() == ui::ControlKind::RadioButton)
            radios.push_back(static_cast<ui::RadioButton*>(child));
        CollectRadios(*child, radios);
    }
}

int ActionCode(const ShutdownPage& page) {
    int action = -1;
    for (const ui::RadioButton* radio :
         {&page.RBLogOff, &page.RBRedWin, &page.RBRedemarrer, &page.RBEteindre})
        if (radio->Checked()) action = radio->Tag();
    return action + (page.CBForcer.Checked() ? page.CBForcer.Tag() : 0);
}

}  // namespace

TEST(ConfigDefaults, OptionsReadByTheTrayStartAsTheWindowIsMade) {
    ConfigPages pages;

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
    EXPECT_EQ(ActionCode(pages.eteindre), 8);
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

TEST(ConfigDefaults, EachShutdownChoiceGivesItsActionCodeAndForcingAddsFour) {
    ConfigPages pages;
    ShutdownPage& page = pages.eteindre;
    const std::map<ui::RadioButton*, int> codes = {
        {&page.RBLogOff, 0}, {&page.RBRedWin, 66}, {&page.RBRedemarrer, 2}, {&page.RBEteindre, 8}};
    for (bool forced : {false, true}) {
        page.CBForcer.SetChecked(forced);
        for (auto [radio, code] : codes) {
            radio->Click();
            EXPECT_EQ(ActionCode(page), code + (forced ? 4 : 0)) << radio->Name();
        }
    }
}

TEST(ConfigDefaults, HourAndMinuteLinesNameTheirValueInTheRightNumber) {
    ConfigPages pages;
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
    ConfigPages pages;
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

TEST(ConfigDefaults, AboutTextFillsTheSevenLinesOfItsLabel) {
    ConfigPages pages;
    const std::string& text = pages.apropos.Label1.Caption();
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 7u) << text;
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find('\n'), std::string::npos) << "a bare line feed: " << line;
    }
}
