#include "config/BoiteExe.h"

TBoiteExe::TBoiteExe() : ui::Form("BoiteExe") {
    SetCaption("Lancement Rapide");
    SetClientSize(382, 122);
    SetBorder(ui::BorderStyle::Dialog);
    SetFont({"MS Sans Serif", -11});

    Label1.Place({10, 14, 28, 13}, "Nom :");

    Nom.Place({125, 10, 246, 21});
    Nom.SetBackColor(ui::syscolor::Window);

    Label2.Place({10, 39, 102, 13}, "Ligne de commande :");

    LigneCommande.Place({125, 35, 223, 21});
    LigneCommande.SetBackColor(ui::syscolor::Window);

    OuvrirBtn.Place({350, 35, 21, 21}, "···");
    OuvrirBtn.SetFont({"MS Sans Serif", -11, false, false, ui::Black});

    Label3.Place({10, 65, 59, 13}, "Paramètres :");

    OptionsExe.Place({125, 60, 246, 21});
    OptionsExe.SetBackColor(ui::syscolor::Window);

    OkBtn.Place({210, 90, 75, 25}, "Ok");
    OkBtn.SetDefault(true);
    OkBtn.OnClick = [this] { EndModal(ui::ModalResult::Ok); };

    AnnulerBtn.Place({295, 90, 75, 25}, "Annuler");
    AnnulerBtn.OnClick = [this] { EndModal(ui::ModalResult::Cancel); };
}
