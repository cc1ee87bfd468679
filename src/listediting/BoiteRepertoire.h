#pragma once

#include <string>

#include "ui/Buttons.h"
#include "ui/FolderTree.h"
#include "ui/Form.h"
#include "ui/Static.h"

// The folder picker "Choisir un dossier": a folder tree and the shortcut name to give the folder.
// Made once and reused, so the tree and the name stay as the last use left them.
class TBoiteRepertoire : public ui::Form {
public:
    TBoiteRepertoire();

    // The parsing path of the folder selected in the tree; empty when none is.
    std::wstring ChosenFolder() const;

    // Child order is tab order: the buttons, the name, then the tree. The status band comes
    // last so that it lies behind the buttons.
    ui::Button OKBtn{this, "OKBtn"};
    ui::Button AnnulerBtn{this, "AnnulerBtn"};
    ui::Label NomRepLbl{this, "NomRepLbl"};
    ui::Edit Raccourci{this, "Raccourci"};
    ui::FolderTree Tree{this, "Tree"};
    ui::PaintBox StatusBar1{this, "StatusBar1"};
};
