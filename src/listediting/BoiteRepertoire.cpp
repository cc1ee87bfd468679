#include "listediting/BoiteRepertoire.h"

TBoiteRepertoire::TBoiteRepertoire() : ui::Form("BoiteRepertoire") {
    SetCaption("Choisir un dossier");
    SetClientSize(226, 303);
    SetBorder(ui::BorderStyle::Sizeable);
    SetFont({"MS Sans Serif", -11});

    OKBtn.Place({10, 272, 85, 25}, "OK");
    OKBtn.SetDefault(true);
    OKBtn.SetAnchors(ui::AnchorRight | ui::AnchorBottom);
    OKBtn.OnClick = [this] { EndModal(ui::ModalResult::Ok); };

    AnnulerBtn.Place({130, 272, 85, 25}, "Annuler");
    AnnulerBtn.SetCancel(true);
    AnnulerBtn.SetAnchors(ui::AnchorRight | ui::AnchorBottom);
    AnnulerBtn.OnClick = [this] { EndModal(ui::ModalResult::Cancel); };

    NomRepLbl.Place({10, 215, 75, 13}, "&Nom raccourci :");
    NomRepLbl.SetFocusControl(&Raccourci);
    NomRepLbl.SetAnchors(ui::AnchorLeft | ui::AnchorBottom);

    // The page's NomRep shows this name and holds no more.
    Raccourci.Place({10, 232, 206, 21});
    Raccourci.SetMaxLength(64);
    Raccourci.SetBackColor(ui::syscolor::Window);
    Raccourci.SetAnchors(ui::AnchorLeft | ui::AnchorRight | ui::AnchorBottom);

    Tree.Place({10, 5, 206, 207});
    Tree.SetAnchors(ui::AnchorLeft | ui::AnchorTop | ui::AnchorRight | ui::AnchorBottom);

    // A status bar's place: the whole width, at the bottom, whatever the size.
    StatusBar1.Place({0, 262, 226, 41});
    StatusBar1.SetAnchors(ui::AnchorLeft | ui::AnchorRight | ui::AnchorBottom);
}

std::wstring TBoiteRepertoire::ChosenFolder() const {
    return Tree.SelectedPath();
}
