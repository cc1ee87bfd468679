#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "listediting/BoiteExe.h"
#include "listediting/BoiteRepertoire.h"
#include "shutdown/BoiteConfirmation.h"
#include "support/MainFormFixture.h"

namespace {

// What the tab strip and the borders of Onglets (417 x 226) leave to a page.
constexpr int PageWidth = 417 - 8;
constexpr int PageHeight = 226 - 28;

bool TakesClicks(const ui::Control& control) {
    switch (control.Kind()) {
        case ui::ControlKind::CheckBox:
        case ui::ControlKind::RadioButton:
        case ui::ControlKind::Button:
        case ui::ControlKind::Edit:
        case ui::ControlKind::ListBox:
        case ui::ControlKind::ComboBox:
        case ui::ControlKind::RadioGroup:
        case ui::ControlKind::PageControl:
        case ui::ControlKind::FolderTree:
            return true;
        default:
            return false;
    }
}

// Every control has a size and lies inside its parent; a page's parent gives it the page area.
void ExpectInside(const ui::Control& parent, int width, int height) {
    for (const ui::Control* child : parent.Children()) {
        if (child->Kind() == ui::ControlKind::Page) {
            ExpectInside(*child, PageWidth, PageHeight);
            continue;
        }
        const ui::Box& box = child->Bounds();
        EXPECT_TRUE(box.Width > 0 && box.Height > 0) << child->Name() << " has no size";
        EXPECT_TRUE(box.Left >= 0 && box.Top >= 0 && box.Left + box.Width <= width &&
                    box.Top + box.Height <= height)
            << child->Name() << " leaves " << parent.Name();
        ExpectInside(*child, box.Width, box.Height);
    }
}

using Placed = std::vector<std::pair<const ui::Control*, ui::Box>>;

// The controls that take clicks on one surface, in its coordinates; each page is a surface.
void CollectClickable(const ui::Control& parent, int left, int top, Placed& placed) {
    for (const ui::Control* child : parent.Children()) {
        if (child->Kind() == ui::ControlKind::Page) continue;
        ui::Box box = child->Bounds();
        box.Left += left;
        box.Top += top;
        if (TakesClicks(*child)) placed.emplace_back(child, box);
        if (child->Kind() != ui::ControlKind::PageControl)
            CollectClickable(*child, box.Left, box.Top, placed);
    }
}

bool Overlap(const ui::Box& a, const ui::Box& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

// A click must reach one control only.
void ExpectNoClickableOverlap(const ui::Control& surface) {
    Placed placed;
    CollectClickable(surface, 0, 0, placed);
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(Overlap(placed[i].second, placed[j].second))
                << placed[i].first->Name() << " and " << placed[j].first->Name();
}

void ExpectSoundLayout(const ui::Form& form) {
    SCOPED_TRACE(form.Name());
    ExpectInside(form, form.ClientWidth(), form.ClientHeight());
    ExpectNoClickableOverlap(form);
}

}  // namespace

using WindowLayoutTest = MainFormFixture;

TEST_F(WindowLayoutTest, ConfigurationWindowFitsItsControlsAndOpensOnQuickLaunch) {
    TConfigVossik& form = Start();
    ExpectSoundLayout(form);
    for (const ui::Control* page : form.Pages.Onglets.Children()) {
        SCOPED_TRACE(page->Name());
        ExpectNoClickableOverlap(*page);
    }
    EXPECT_EQ(form.Pages.Onglets.ActivePage(), &form.Pages.PageApp);
    // Enter presses "Réduire" whatever page is shown: no other button is a default one.
    EXPECT_EQ(form.DefaultButton(), &form.OkBtn);
}

TEST_F(WindowLayoutTest, DialogsFitTheirControls) {
    TBoiteRepertoire boiteRepertoire;
    TBoiteExe boiteExe(system);
    ExpectSoundLayout(boiteRepertoire);
    ExpectSoundLayout(boiteExe);
    ExpectSoundLayout(Start().Shutdown.BoiteConfirmation);
}

TEST_F(WindowLayoutTest, EnterPressesOkEscapeAnnulerInTheEditingDialogsAndNoInTheConfirmation) {
    TBoiteRepertoire picker;
    EXPECT_EQ(picker.DefaultButton(), &picker.OKBtn);
    EXPECT_EQ(picker.CancelButton(), &picker.AnnulerBtn);
    TBoiteExe launch(system);
    EXPECT_EQ(launch.DefaultButton(), &launch.OkBtn);
    EXPECT_EQ(launch.CancelButton(), &launch.AnnulerBtn);
    // Enter and Escape must refuse a shutdown, never accept it, and the focus starts there.
    TBoiteConfirmation& confirmation = Start().Shutdown.BoiteConfirmation;
    EXPECT_EQ(confirmation.DefaultButton(), &confirmation.AnnulerBtn);
    EXPECT_EQ(confirmation.CancelButton(), &confirmation.AnnulerBtn);
    EXPECT_EQ(confirmation.ActiveControl(), &confirmation.AnnulerBtn);
}

// Made larger by 100 x 80, the tree takes the room, the name field widens, and the buttons and
// the band stay in the bottom corner. The chosen folder's path is wide text, which a name outside
// Windows-1252 needs.
TEST_F(WindowLayoutTest, PickerControlsFollowItsBorder) {
    TBoiteRepertoire picker;
    const std::wstring documents = L"C:\\Документы";
    picker.Tree.SetSelectedPath(documents);
    picker.SetClientSize(326, 383);
    EXPECT_EQ(picker.Tree.Bounds(), (ui::Box{10, 5, 306, 287}));
    EXPECT_EQ(picker.NomRepLbl.Bounds(), (ui::Box{10, 295, 75, 13}));
    EXPECT_EQ(picker.Raccourci.Bounds(), (ui::Box{10, 312, 306, 21}));
    EXPECT_EQ(picker.StatusBar1.Bounds(), (ui::Box{0, 342, 326, 41}));
    EXPECT_EQ(picker.OKBtn.Bounds(), (ui::Box{110, 352, 85, 25}));
    EXPECT_EQ(picker.AnnulerBtn.Bounds(), (ui::Box{230, 352, 85, 25}));
    ExpectSoundLayout(picker);
    picker.SetClientSize(226, 303);
    EXPECT_EQ(picker.Tree.Bounds(), (ui::Box{10, 5, 206, 207}));
    EXPECT_EQ(picker.AnnulerBtn.Bounds(), (ui::Box{130, 272, 85, 25}));
    EXPECT_EQ(picker.Tree.SelectedPath(), documents);
}
