#pragma once

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Static.h"

// The quick-launch dialog "Lancement Rapide": a name, a command line and its parameters.
class TBoiteExe : public ui::Form {
public:
    TBoiteExe();

    // Each caption comes just before its field; among the fields, child order is tab order.
    ui::Label Label1{this, "Label1"};
    ui::Edit Nom{this, "Nom"};
    ui::Label Label2{this, "Label2"};
    ui::Edit LigneCommande{this, "LigneCommande"};
    ui::Button OuvrirBtn{this, "OuvrirBtn"};
    ui::Label Label3{this, "Label3"};
    ui::Edit OptionsExe{this, "OptionsExe"};
    ui::Button OkBtn{this, "OkBtn"};
    ui::Button AnnulerBtn{this, "AnnulerBtn"};
};
