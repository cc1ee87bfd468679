#include "config/Pages.h"

namespace {

// Seven lines of 13 pixels fill the label's 91.
constexpr const char* AboutText =
    "Vossik' est un shareware.\r\n"
    "S'il vous rend service,\r\n"
    "merci d'envoyer à l'auteur\r\n"
    "une petite contribution.\r\n"
    "Écrivez à Pic-Vert :\r\n"
    "picvert@example.org\r\n"
    "http://vossik.example.org/";

}  // namespace

// About text, and the options that fit no other page.
AboutPage::AboutPage(ui::Control& pages) : ui::Page(&pages, "PageAPropos") {
    SetCaption("A propos / Divers");

    GroupeApropos.SetBounds({5, 10, 191, 180});
    GroupeApropos.SetCaption(" A propos ... ");
    GroupeApropos.SetTabStop(false);

    Icone2.SetBounds({10, 20, 32, 32});
    Icone2.SetHint("C'est môa qui l'ai fait, c'est joli non ?");
    Icone2.SetTabStop(false);

    LabelVossik2.SetBounds({40, 25, 141, 24});
    LabelVossik2.SetCaption("Vossik'");
    LabelVossik2.SetAlignment(ui::Alignment::Center);
    LabelVossik2.SetFont({"Arial", -21, true, true, ui::Black});
    LabelVossik2.SetTabStop(false);

    // A speed button: it never takes the focus.
    VersionBtn.SetBounds({10, 59, 171, 21});
    VersionBtn.SetCaption("Version 1.5 Shareware");
    VersionBtn.SetHint(
        "Cliquer pour visiter le site Internet de Vossik', écrire à l'auteur, obtenir une "
        "nouvelle version, ...");
    VersionBtn.SetFlat(true);
    VersionBtn.SetFont({"MS Sans Serif", -11, false, false, ui::Red});
    VersionBtn.SetTabStop(false);

    Label1.SetBounds({14, 86, 163, 91});
    Label1.SetCaption(AboutText);
    Label1.SetAlignment(ui::Alignment::Center);
    Label1.SetTabStop(false);

    GroupeClick.SetBounds({210, 10, 185, 71});
    GroupeClick.SetCaption(" Réaction des icônes à la souris ");
    GroupeClick.SetTabStop(false);

    RBSimpleClick.SetBounds({15, 20, 161, 17});
    RBSimpleClick.SetCaption("&Simple click");
    RBSimpleClick.SetHint("L'icône dans la barre réagit à un simple click de la souris");
    RBSimpleClick.SetChecked(true);

    RBDoubleClick.SetBounds({15, 45, 161, 17});
    RBDoubleClick.SetCaption("&Double click");
    RBDoubleClick.SetHint("L'icône dans la barre réagit à un double-click de la souris");

    // Lies over the top edge of GroupeMAJ, whose caption is blank, and reads as its title.
    CBActiverMAJ.SetBounds({222, 88, 134, 17});
    CBActiverMAJ.SetCaption("&Mettre à jour les icônes ");
    CBActiverMAJ.SetHint(
        "Cocher pour activer la mise à jour automatique des icônes et de leur nom (CD-ROMs / "
        "lecteurs réseaux)");
    CBActiverMAJ.SetChecked(true);

    GroupeMAJ.SetBounds({210, 90, 185, 66});
    GroupeMAJ.SetCaption("  ");
    GroupeMAJ.SetTabStop(false);

    CBGarderCD.SetBounds({30, 19, 146, 17});
    CBGarderCD.SetCaption("Garder les icones CD-ROM");
    CBGarderCD.SetHint("Laisse l'icone affichée même si un CD-ROM est éjecté du lecteur");
    CBGarderCD.SetChecked(true);

    CBGarderNet.SetBounds({30, 42, 146, 17});
    CBGarderNet.SetCaption("Garder les icones réseaux");
    CBGarderNet.SetHint(
        "Laisse l'icone affichée même si un lecteur réseau est déconnecté (inutile ?)");

    ReorganiserBtn.SetBounds({210, 167, 185, 23});
    ReorganiserBtn.SetCaption("&Réorganiser les icônes");
    ReorganiserBtn.SetHint("Cliquer pour réordonner les icônes par type");
}
