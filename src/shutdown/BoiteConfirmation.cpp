#include "shutdown/BoiteConfirmation.h"

// The window's texts depend on its mode and are set each time it is shown; these are the
// design-time ones.
TBoiteConfirmation::TBoiteConfirmation() : ui::Form("BoiteConfirmation") {
    SetCaption("Confirmation d'extinction automatique");
    SetClientSize(335, 98);
    SetBorder(ui::BorderStyle::Dialog);
    SetFont({"MS Sans Serif", -11});

    Icone.Place({10, 10, 32, 32});

    AttentionLbl.Place({50, 10, 276, 13}, "Attention !");
    AttentionLbl.SetAlignment(ui::Alignment::Center);
    AttentionLbl.SetFont({"MS Sans Serif", -11, true, false, ui::Red});

    MessageLbl.Place({45, 30, 286, 13});
    MessageLbl.SetAlignment(ui::Alignment::Center);

    OkBtn.Place({10, 64, 146, 28});

    // Enter must not shut the computer down: the default button refuses.
    AnnulerBtn.Place({180, 64, 146, 28});
    AnnulerBtn.SetDefault(true);
}
