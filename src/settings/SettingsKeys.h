#pragma once

// The sections of the settings file, and the keys of its two lists, shared by loading and
// saving.
namespace settings {

namespace section {
constexpr const char* Divers = "Divers";
constexpr const char* Lecteurs = "Lecteurs";
constexpr const char* Dossiers = "Dossiers";
constexpr const char* LancementRapide = "Lancement Rapide";
constexpr const char* Arreter = "Arrêter";
constexpr const char* EteindreAuto = "Eteindre auto";
// Read under this spelling, written under the other: names match whatever their case.
constexpr const char* LancementRapideRead = "Lancement rapide";
}  // namespace section

namespace key {
constexpr const char* Nombre = "Nombre";
// Per entry n: the path, the shortcut name, the parameters.
constexpr const char* PathPrefix = "Rep";
constexpr const char* NamePrefix = "Rac";
constexpr const char* OptionsPrefix = "Opt";
}  // namespace key

// Leads the stored parameters of a quick-launch entry, so that empty ones are still written.
constexpr char ParametersMark = '\xB6';

}  // namespace settings
