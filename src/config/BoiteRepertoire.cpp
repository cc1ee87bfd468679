#include "config/BoiteRepertoire.h"

#include "types/Cp1252.h"

TBoiteRepertoire::TBoiteRepertoire() : ui::Form("BoiteRepertoire") {
    SetCaption("Choisir un dossier");
    SetClientSize(226, 303);
    SetBorder(ui::BorderStyle::Single);
    SetFont({"MS Sans Serif", -11});

    OKBtn.Place({10, 272, 85, 25}, "OK");
    OKBtn.SetDefault(true);
    OKBtn.OnClick = [this] { EndModal(ui::ModalResult::Ok); };

    AnnulerBtn.Place({130, 272, 85, 25}, "Annuler");
    AnnulerBtn.OnClick = [this] { EndModal(ui::ModalResult::Cancel); };

    NomRepLbl.Place({10, 215, 75, 13}, "&Nom raccourci :");
    NomRepLbl.SetFocusControl(&Raccourci);

    // The page's NomRep shows this name and holds no more.
    Raccourci.Place({10, 232, 206, 21});
    Raccourci.SetMaxLength(64);
    Raccourci.SetBackColor(ui::syscolor::Window);

    Tree.Place({10, 5, 206, 207});

    StatusBar1.Place({0, 262, 226, 41});
}

std::wstring TBoiteRepertoire::ChosenFolder() const {
    int line = Tree.ItemIndex();
    return line < 0 ? std::wstring() : Widen(Tree.Items()[line]);
}
