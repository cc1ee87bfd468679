#include <string>
#include <vector>

#include "config/Pages.h"

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

    CBAfficherArreter.SetBounds({15, 10, 166, 17});
    CBAfficherArreter.SetCaption("&Afficher l'icône Arrêter");
    CBAfficherArreter.SetChecked(true);

    // The tag is the bit that the shutdown call adds to the action to force it.
    CBForcer.SetBounds({15, 140, 166, 17});
    CBForcer.SetCaption("Forcer les programmes 'gelés'");
    CBForcer.SetHint("Faut-il fermer les programmes en cours à s'arrêter même s'il sont bloqués ?");
    CBForcer.SetTag(4);

    CBConfirmer.SetBounds({15, 165, 166, 17});
    CBConfirmer.SetCaption("Demander confirmation");
    CBConfirmer.SetHint("Affiche un message BLOQUANT juste avant l'action choisie");
    CBConfirmer.SetChecked(true);

    CBEteindreAuto.SetBounds({210, 10, 185, 17});
    CBEteindreAuto.SetCaption("Eteindre automatiquement à :");
    CBEteindreAuto.SetHint(
        "Active la programmation d'extinction automatique de cette ordinateur (surtout utile en "
        "ATX)");

    // Every line shows at once: no scrolling through the hours or the minutes.
    Heure.SetBounds({210, 35, 81, 21});
    Heure.SetItems(HourLines());
    Heure.SetDropDownCount(24);
    Heure.SetItemIndex(0);

    Minutes.SetBounds({314, 35, 81, 21});
    Minutes.SetItems(MinuteLines());
    Minutes.SetDropDownCount(12);
    Minutes.SetItemIndex(0);

    GroupePeriode.SetBounds({210, 65, 185, 61});
    GroupePeriode.SetCaption(" Périodicité ");
    GroupePeriode.SetItems({"Uniquement aujourd'hui", "Tous les jours"});
    GroupePeriode.SetItemIndex(0);

    CBRappel1min.SetBounds({210, 140, 185, 17});
    CBRappel1min.SetCaption("Rappel 1 minute avant d'éteindre");
    CBRappel1min.SetHint(
        "Affichera un message NON BLOQUANT (le décompte continue) 1 minute avant (d'éteindre");
    CBRappel1min.SetChecked(true);

    CBConfirmationAuto.SetBounds({210, 165, 185, 17});
    CBConfirmationAuto.SetCaption("Demander confirmation");
    CBConfirmationAuto.SetHint("Affiche un message BLOQUANT juste avant d'éteindre");
    CBConfirmationAuto.SetChecked(true);

    TypeReboot.SetBounds({15, 35, 166, 91});
    TypeReboot.SetCaption(" Action de l'icone  ");
    TypeReboot.SetTabStop(false);

    // Each radio's tag is the action code handed to the shutdown call.
    RBLogOff.SetBounds({10, 16, 151, 17});
    RBLogOff.SetCaption("Terminer la session");
    RBLogOff.SetHint("Ferme toutes les applications et change de nom d'utilisateur");
    RBLogOff.SetTag(0);

    RBRedWin.SetBounds({10, 35, 151, 17});
    RBRedWin.SetCaption("Redémarrer Windows");
    RBRedWin.SetHint("Redémarre Windows sans redémarrer l'ordinateur");
    RBRedWin.SetTag(66);

    RBRedemarrer.SetBounds({10, 54, 151, 17});
    RBRedemarrer.SetCaption("Redémarrer l'ordinateur");
    RBRedemarrer.SetHint("Redémarrage à froid du système");
    RBRedemarrer.SetTag(2);

    RBEteindre.SetBounds({10, 72, 151, 17});
    RBEteindre.SetCaption("Eteindre");
    RBEteindre.SetHint("Eteindre complètement la machine si possible (ATX)");
    RBEteindre.SetTag(8);
    RBEteindre.SetChecked(true);
}
