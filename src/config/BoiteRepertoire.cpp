#include "config/BoiteRepertoire.h"

TBoiteRepertoire::TBoiteRepertoire() : ui::Form("BoiteRepertoire") {
    SetCaption("Choisir un dossier");
    SetClientSize(226, 303);
    SetBorder(ui::BorderStyle::Single);
    SetFont({"MS Sans Serif", -11});

    OKBtn.SetBounds({10, 272, 85, 25});
    OKBtn.SetCaption("OK");
    OKBtn.SetDefault(true);
    OKBtn.OnClick = [this] { EndModal(ui::ModalResult::Ok); };

    AnnulerBtn.SetBounds({130, 272, 85, 25});
    AnnulerBtn.SetCaption("Annuler");
    AnnulerBtn.OnClick = [this] { EndModal(ui::ModalResult::Cancel); };

    NomRepLbl.SetBounds({10, 215, 75, 13});
    NomRepLbl.SetCaption("&Nom raccourci :");
    NomRepLbl.SetFocusControl(&Raccourci);
    NomRepLbl.SetTabStop(false);

    // The page's NomRep shows this name and holds no more.
    Raccourci.SetBounds({10, 232, 206, 21});
    Raccourci.SetMaxLength(64);
    Raccourci.SetBackColor(ui::syscolor::Window);

    Tree.SetBounds({10, 5, 206, 207});

    StatusBar1.SetBounds({0, 262, 226, 41});
    StatusBar1.SetTabStop(false);
}
