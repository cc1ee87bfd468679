#include "listediting/BoiteExe.h"

#include "listediting/StorablePath.h"
#include "types/Cp1252.h"

TBoiteExe::TBoiteExe(System& system) : ui::Form("BoiteExe"), system_(system) {
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
    OuvrirBtn.OnClick = [this] { OuvrirBtnClick(); };

    Label3.Place({10, 65, 59, 13}, "Paramètres :");

    OptionsExe.Place({125, 60, 246, 21});
    OptionsExe.SetBackColor(ui::syscolor::Window);

    OkBtn.Place({210, 90, 75, 25}, "Ok");
    OkBtn.SetDefault(true);
    OkBtn.OnClick = [this] { EndModal(ui::ModalResult::Ok); };

    AnnulerBtn.Place({295, 90, 75, 25}, "Annuler");
    AnnulerBtn.SetCancel(true);
    AnnulerBtn.OnClick = [this] { EndModal(ui::ModalResult::Cancel); };
    OnCloseQuery = [this](ui::ModalResult result) { return FormCloseQuery(result); };

    BoiteOuvrir.Title = "Choisir une application ou un document";
    BoiteOuvrir.Filter = "Exécutables (*.exe)|*.exe|Tous les fichiers (*.*)|*.*";
    BoiteOuvrir.DefaultExt = "*.exe";
}

// Browsing starts from the command line as it stands and, once confirmed, replaces all of it.
void TBoiteExe::OuvrirBtnClick() {
    BoiteOuvrir.FileName = Widen(LigneCommande.Caption());
    if (!BoiteOuvrir.Execute()) return;
    if (!ConfirmStorablePath(system_, BoiteOuvrir.FileName)) return;
    LigneCommande.SetCaption(Narrow(BoiteOuvrir.FileName));
    LigneCommande.SetFocus();
    LigneCommande.SelectAll();
}

// Arguments belong in the parameters: a command line with them names no file and is refused.
bool TBoiteExe::FormCloseQuery(ui::ModalResult result) {
    if (result != ui::ModalResult::Ok) return true;
    const std::string& command = LigneCommande.Caption();
    if (command.empty()) {
        Refuse("Vous devez spécifier au moins la ligne de commande");
        return false;
    }
    if (!system_.FileExists(Widen(command))) {
        Refuse("La ligne de commande est invalide");
        LigneCommande.SelectAll();
        return false;
    }
    return true;
}

void TBoiteExe::Refuse(const std::string& text) {
    system_.MessageBoxes.Show(system_, {std::nullopt, text, "Erreur", mb::IconHand | mb::Ok});
    LigneCommande.SetFocus();
}
