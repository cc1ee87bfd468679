#pragma once

// The sections and keys of the settings file, shared by loading and saving.
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
constexpr const char* SimpleClick = "Simple Click";
constexpr const char* MajIcones = "MAJ Icônes";
constexpr const char* Temporisation = "Temporisation";
constexpr const char* GarderCD = "Garder CD";
constexpr const char* GarderNet = "Garder Net";
constexpr const char* Affichage = "Affichage";
constexpr const char* Amovibles = "Amovibles";
constexpr const char* Fixes = "Fixes";
constexpr const char* CDRoms = "CD-Roms";
constexpr const char* Virtuels = "Virtuels";
constexpr const char* Reseaux = "Réseaux";
constexpr const char* Exploreur = "Exploreur";
constexpr const char* Racine = "Racine";
constexpr const char* Nombre = "Nombre";
constexpr const char* AfficherIcone = "Afficher Icone";
constexpr const char* TypeArret = "Type d'arrêt";
constexpr const char* Forcer = "Forcer";
constexpr const char* Confirmation = "Confirmation";
constexpr const char* Activer = "Activer";
constexpr const char* Heure = "Heure";
constexpr const char* Minutes = "Minutes";
constexpr const char* Periodicite = "Périodicité";
constexpr const char* Rappel = "Rappel";

// Per entry n: the path, the shortcut name, the parameters.
constexpr const char* PathPrefix = "Rep";
constexpr const char* NamePrefix = "Rac";
constexpr const char* OptionsPrefix = "Opt";
}  // namespace key

// Leads the stored parameters of a quick-launch entry, so that empty ones are still written.
constexpr char ParametersMark = '\xB6';

constexpr unsigned DefaultRefreshDelay = 10000;

}  // namespace settings
