#include "pages/Pages.h"

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

    GroupeApropos.Place({5, 10, 191, 180}, " A propos ... ");

    Icone2.Place({10, 20, 32, 32}, "", "C'est môa qui l'ai fait, c'est joli non ?");

    LabelVossik2.Place({40, 25, 141, 24}, "Vossik'");
    LabelVossik2.SetAlignment(ui::Alignment::Center);
    LabelVossik2.SetFont({"Arial", -21, true, true, ui::Black});

    // A speed button: it never takes the focus.
    VersionBtn.Place(
        {10, 59, 171, 21}, "Version 1.5 Shareware",
        "Cliquer pour visiter le site Internet de Vossik', écrire à l'auteur, obtenir une "
        "nouvelle version, ...");
    VersionBtn.SetFlat(true);
    VersionBtn.SetFont({"MS Sans Serif", -11, false, false, ui::Red});
    VersionBtn.SetTabStop(false);

    Label1.Place({14, 86, 163, 91}, AboutText);
    Label1.SetAlignment(ui::Alignment::Center);

    GroupeClick.Place({210, 10, 185, 71}, " Réaction des icônes à la souris ");

    RBSimpleClick.Place({15, 20, 161, 17}, "&Simple click",
                        "L'icône dans la barre réagit à un simple click de la souris");
    RBSimpleClick.SetChecked(true);

    RBDoubleClick.Place({15, 45, 161, 17}, "&Double click",
                        "L'icône dans la barre réagit à un double-click de la souris");

    // Lies over the top edge of GroupeMAJ, whose caption is blank, and reads as its title.
    CBActiverMAJ.Place(
        {222, 88, 134, 17}, "&Mettre à jour les icônes ",
        "Cocher pour activer la mise à jour automatique des icônes et de leur nom (CD-ROMs / "
        "lecteurs réseaux)");
    CBActiverMAJ.SetChecked(true);

    GroupeMAJ.Place({210, 90, 185, 66}, "  ");

    CBGarderCD.Place({30, 19, 146, 17}, "Garder les icones CD-ROM",
                     "Laisse l'icone affichée même si un CD-ROM est éjecté du lecteur");
    CBGarderCD.SetChecked(true);

    CBGarderNet.Place(
        {30, 42, 146, 17}, "Garder les icones réseaux",
        "Laisse l'icone affichée même si un lecteur réseau est déconnecté (inutile ?)");

    ReorganiserBtn.Place({210, 167, 185, 23}, "&Réorganiser les icônes",
                         "Cliquer pour réordonner les icônes par type");

    CBActiverMAJ.OnClick = [this] { ActiverMAJClick(); };
    ActiverMAJClick();
}
