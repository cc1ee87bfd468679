#pragma once

#include "platform/System.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/OpenDialog.h"
#include "ui/Static.h"

// The quick-launch dialog "Lancement Rapide": a name, a command line and its parameters. It
// closes with "Ok" only on a command line that names an existing file.
class TBoiteExe : public ui::Form {
public:
    explicit TBoiteExe(System& system);

    void OuvrirBtnClick();
    bool FormCloseQuery(ui::ModalResult result);

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
    ui::OpenDialog BoiteOuvrir;

private:
    // A plain error box: this dialog's own messages come without a sound.
    void Refuse(const std::string& text);

    System& system_;
};
