#pragma once

#include <array>

#include "tray/Opening.h"
#include "types/IconId.h"
#include "types/TrayItem.h"
#include "ui/Buttons.h"
#include "ui/Containers.h"
#include "ui/Lists.h"
#include "ui/Static.h"

// The five pages of the configuration window. Each page lays out its own controls (in tab order),
// gives them their captions, hints and default states, and keeps the rules that enable one
// control after another; what the options do lives with the features that read them.

struct DrivesPage : ui::Page {
    explicit DrivesPage(ui::Control& pages);
    void ActiverUSClick();

    ui::CheckBox ActiverUS{this, "ActiverUS"};
    ui::GroupBox MontrerTypeUS{this, "MontrerTypeUS"};
    ui::CheckBox CBDisquette{&MontrerTypeUS, "CBDisquette"};
    ui::CheckBox CBDD{&MontrerTypeUS, "CBDD"};
    ui::CheckBox CBCD{&MontrerTypeUS, "CBCD"};
    ui::CheckBox CBRam{&MontrerTypeUS, "CBRam"};
    ui::CheckBox CBReseau{&MontrerTypeUS, "CBReseau"};
    ui::GroupBox TypeOuvertureUS{this, "TypeOuvertureUS"};
    ui::RadioButton RBNormalUS{&TypeOuvertureUS, "RBNormalUS"};
    ui::RadioButton RBExplorerUS{&TypeOuvertureUS, "RBExplorerUS"};
    ui::CheckBox CBRacineUS{&TypeOuvertureUS, "CBRacineUS"};
    ui::PaintBox Icone1{this, "Icone1"};
    ui::Label LabelVossik1{this, "LabelVossik1"};
};

// The two list pages show the records of their list, line k for record k.
struct FoldersPage : ui::Page {
    FoldersPage(ui::Control& pages, const TrayItemList& folders);
    void ActiverRepClick();
    void ListeRepClick();

    ui::CheckBox ActiverRep{this, "ActiverRep"};
    ui::GroupBox TypeOuvertureRep{this, "TypeOuvertureRep"};
    ui::RadioButton RBNormalRep{&TypeOuvertureRep, "RBNormalRep"};
    ui::RadioButton RBExplorerREp{&TypeOuvertureRep, "RBExplorerREp"};
    ui::CheckBox CBRacineRep{&TypeOuvertureRep, "CBRacineRep"};
    ui::ListBox ListeRep{this, "ListeRep"};
    ui::Label NomRepLbl{this, "NomRepLbl"};
    ui::Edit NomRep{this, "NomRep"};
    ui::Button AjouterRepBtn{this, "AjouterRepBtn"};
    ui::Button ModifierRepBtn{this, "ModifierRepBtn"};
    ui::Button EnleverRepBtn{this, "EnleverRepBtn"};

private:
    const TrayItemList& folders_;
};

struct LaunchPage : ui::Page {
    LaunchPage(ui::Control& pages, const TrayItemList& launches);
    void ActiverExeClick();
    void ListeFichClick();

    ui::ListBox ListeFich{this, "ListeFich"};
    ui::CheckBox ActiverExe{this, "ActiverExe"};
    ui::Button AjouterExeBtn{this, "AjouterExeBtn"};
    ui::Button ModifierExeBtn{this, "ModifierExeBtn"};
    ui::Button EnleverExeBtn{this, "EnleverExeBtn"};

private:
    const TrayItemList& launches_;
};

struct ShutdownPage : ui::Page {
    explicit ShutdownPage(ui::Control& pages);
    void CBAfficherArreterClick();
    // The action checked, if any.
    const ui::RadioButton* ChosenAction() const;
    // Its caption; "Erreur de nom ???" when none is checked.
    std::string ActionCaption() const;

    ui::CheckBox CBAfficherArreter{this, "CBAfficherArreter"};
    ui::CheckBox CBForcer{this, "CBForcer"};
    ui::CheckBox CBConfirmer{this, "CBConfirmer"};
    ui::CheckBox CBEteindreAuto{this, "CBEteindreAuto"};
    ui::ComboBox Heure{this, "Heure"};
    ui::ComboBox Minutes{this, "Minutes"};
    ui::RadioGroup GroupePeriode{this, "GroupePeriode"};
    ui::CheckBox CBRappel1min{this, "CBRappel1min"};
    ui::CheckBox CBConfirmationAuto{this, "CBConfirmationAuto"};
    ui::GroupBox TypeReboot{this, "TypeReboot"};
    ui::RadioButton RBLogOff{&TypeReboot, "RBLogOff"};
    ui::RadioButton RBRedWin{&TypeReboot, "RBRedWin"};
    ui::RadioButton RBRedemarrer{&TypeReboot, "RBRedemarrer"};
    ui::RadioButton RBEteindre{&TypeReboot, "RBEteindre"};
    // The icon's actions that can be chosen, in the buttons' order. Restarting Windows alone
    // was only for Windows 95, 98 and Me, which this program does not run on: its button keeps
    // its place, greyed, and is none of them.
    const std::array<ui::RadioButton*, 3> Actions{&RBLogOff, &RBRedemarrer, &RBEteindre};
};

struct AboutPage : ui::Page {
    explicit AboutPage(ui::Control& pages);
    void ActiverMAJClick();

    ui::GroupBox GroupeApropos{this, "GroupeApropos"};
    ui::PaintBox Icone2{&GroupeApropos, "Icone2"};
    ui::Label LabelVossik2{&GroupeApropos, "LabelVossik2"};
    ui::Button VersionBtn{&GroupeApropos, "VersionBtn"};
    ui::Label Label1{&GroupeApropos, "Label1"};
    ui::GroupBox GroupeClick{this, "GroupeClick"};
    ui::RadioButton RBSimpleClick{&GroupeClick, "RBSimpleClick"};
    ui::RadioButton RBDoubleClick{&GroupeClick, "RBDoubleClick"};
    ui::CheckBox CBActiverMAJ{this, "CBActiverMAJ"};
    ui::GroupBox GroupeMAJ{this, "GroupeMAJ"};
    ui::CheckBox CBGarderCD{&GroupeMAJ, "CBGarderCD"};
    ui::CheckBox CBGarderNet{&GroupeMAJ, "CBGarderNet"};
    ui::Button ReorganiserBtn{this, "ReorganiserBtn"};
};

// The page control of the configuration window and its five pages, in tab order.
struct ConfigPages {
    ConfigPages(ui::Control& form, const TrayItemList& folders, const TrayItemList& launches);
    // The drives page's options for drives, the folders page's for folders; none for others.
    OpeningOptions OpeningFor(TrayGroup group) const;
    ui::PageControl Onglets;
    DrivesPage PageUS{Onglets};
    FoldersPage PageRep;
    LaunchPage PageApp;
    ShutdownPage PageEteindre{Onglets};
    AboutPage PageAPropos{Onglets};
};
