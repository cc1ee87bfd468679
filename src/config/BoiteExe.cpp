#include "config/BoiteExe.h"

TBoiteExe::TBoiteExe() : ui::Form("BoiteExe") {
    SetCaption("Lancement Rapide");
    SetClientSize(382, 122);
    SetBorder(ui::BorderStyle::Dialog);
    SetFont({"MS Sans Serif", -11});

    Label1.SetBounds({10, 14, 28, 13});
    Label1.SetCaption("Nom :");
    Label1.SetTabStop(false);

    Nom.SetBounds({125, 10, 246, 21});
    Nom.SetBackColor(ui::syscolor::Window);

    Label2.SetBounds({10, 39, 102, 13});
    Label2.SetCaption("Ligne de commande :");
    Label2.SetTabStop(false);

    LigneCommande.SetBounds({125, 35, 223, 21});
    LigneCommande.SetBackColor(ui::syscolor::Window);

    OuvrirBtn.SetBounds({350, 35, 21, 21});
    OuvrirBtn.SetCaption("···");
    OuvrirBtn.SetFont({"MS Sans Serif", -11, false, false, ui::Black});

    Label3.SetBounds({10, 65, 59, 13});
    Label3.SetCaption("Paramètres :");
    Label3.SetTabStop(false);

    OptionsExe.SetBounds({125, 60, 246, 21});
    OptionsExe.SetBackColor(ui::syscolor::Window);

    OkBtn.SetBounds({210, 90, 75, 25});
    OkBtn.SetCaption("Ok");
    OkBtn.SetDefault(true);
    OkBtn.OnClick = [this] { EndModal(ui::ModalResult::Ok); };

    AnnulerBtn.SetBounds({295, 90, 75, 25});
    AnnulerBtn.SetCaption("Annuler");
    AnnulerBtn.OnClick = [this] { EndModal(ui::ModalResult::Cancel); };
}
