#include <string>
#include <vector>

#include "pages/Pages.h"
#include "types/ShutdownAction.h"

namespace {

// French counts 0 and 1 in the singular.
std::string Count(int value, const char* unit) {
    return std::to_string(value) + " " + unit + (value < 2 ? "" : "s");
}

// The line index is the hour itself.
std::vector<std::string> HourLines() {
    std::vector<std::string> lines;
    for (int hour = 0; hour < 24; ++hour) lines.push_back(Count(hour, "heure"));
    return lines;
}

// The line index is the minute divided by 5.
std::vector<std::string> MinuteLines() {
    std::vector<std::string> lines;
    for (int minute = 0; minute < 60; minute += 5) lines.push_back(Count(minute, "minute"));
    return lines;
}

}  // namespace

// The shutdown icon's action on the left, the scheduled shutdown on the right.
ShutdownPage::ShutdownPage(ui::Control& pages) : ui::Page(&pages, "PageEteindre") {
    SetCaption("Eteindre");

    CBAfficherArreter.Place({15, 10, 166, 17}, "&Afficher l'icône Arrêter");
    CBAfficherArreter.SetChecked(true);

    // The tag is the bit that the shutdown call adds to the action to force it.
    CBForcer.Place({15, 140, 166, 17}, "Forcer les programmes 'gelés'",
                   "Faut-il fermer les programmes en cours à s'arrêter même s'il sont bloqués ?");
    CBForcer.SetTag(action::Force);

    CBConfirmer.Place({15, 165, 166, 17}, "Demander confirmation",
                      "Affiche un message BLOQUANT juste avant l'action choisie");
    CBConfirmer.SetChecked(true);

    CBEteindreAuto.Place(
        {210, 10, 185, 17}, "Eteindre automatiquement à :",
        "Active la programmation d'extinction automatique de cette ordinateur (surtout utile en "
        "ATX)");

    // Every line shows at once: no scrolling through the hours or the minutes.
    Heure.Place({210, 35, 81, 21});
    Heure.SetItems(HourLines());
    Heure.SetDropDownCount(24);
    Heure.SetItemIndex(0);

    Minutes.Place({314, 35, 81, 21});
    Minutes.SetItems(MinuteLines());
    Minutes.SetDropDownCount(12);
    Minutes.SetItemIndex(0);

    GroupePeriode.Place({210, 65, 185, 61}, " Périodicité ");
    GroupePeriode.SetItems({"Uniquement aujourd'hui", "Tous les jours"});
    GroupePeriode.SetItemIndex(0);

    CBRappel1min.Place(
        {210, 140, 185, 17}, "Rappel 1 minute avant d'éteindre",
        "Affichera un message NON BLOQUANT (le décompte continue) 1 minute avant (d'éteindre");
    CBRappel1min.SetChecked(true);

    CBConfirmationAuto.Place({210, 165, 185, 17}, "Demander confirmation",
                             "Affiche un message BLOQUANT juste avant d'éteindre");
    CBConfirmationAuto.SetChecked(true);

    TypeReboot.Place({15, 35, 166, 91}, " Action de l'icone  ");

    // Each radio's tag is the action code handed to the shutdown call.
    RBLogOff.Place({10, 16, 151, 17}, "Terminer la session",
                   "Ferme toutes les applications et change de nom d'utilisateur");
    RBLogOff.SetTag(action::LogOff);

    RBRedWin.Place({10, 35, 151, 17}, "Redémarrer Windows",
                   "Redémarre Windows sans redémarrer l'ordinateur");
    RBRedWin.SetTag(action::RestartWindows);

    RBRedemarrer.Place({10, 54, 151, 17}, "Redémarrer l'ordinateur",
                       "Redémarrage à froid du système");
    RBRedemarrer.SetTag(action::Reboot);

    RBEteindre.Place({10, 72, 151, 17}, "Eteindre",
                     "Eteindre complètement la machine si possible (ATX)");
    RBEteindre.SetTag(action::PowerOff);
    RBEteindre.SetChecked(true);

    CBAfficherArreter.OnClick = [this] { CBAfficherArreterClick(); };
    CBAfficherArreterClick();
}
