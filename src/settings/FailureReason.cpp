#include "settings/FailureReason.h"

bool IsAbsence(unsigned long error) {
    return error == errorcode::FileNotFound || error == errorcode::PathNotFound;
}

std::string FailureReason(System& system, unsigned long error) {
    std::string reason = system.ErrorText(error);
    if (reason.empty() && error == errorcode::FileReadOnly)
        reason = "Le fichier est en lecture seule.";
    if (reason.empty() && error != 0) reason = "Erreur " + std::to_string(error) + ".";
    return reason;
}

std::string UnreadableEncodingText(const char* encoding) {
    return std::string("Il est enregistré en ") + encoding +
           ", un codage que Vossik' ne sait ni lire ni écrire.";
}
