#include <string>

#include "profile_cases.h"

std::string WriteTemplate() {
    return "; Vossik' settings, edited by hand\r\n"
           "\r\n"
           "[Divers]\r\n"
           "Simple Click = 1\r\n"
           "Inconnu=garder\r\n"
           "\r\n"
           "[Autre programme]\n"
           "Cle=valeur\n"
           "\n"
           "[Dossiers]\r\n"
           "Affichage=1\r\n"
           "Nombre=5\r\n"
           "Rep0=C:\\Windows\r\n"
           "Rac0=Win\r\n"
           "; a note between entries\r\n"
           "Rep1=C:\\Temp\r\n"
           "Rep3=E:\\old\r\n"
           "Rep4=F:\\old\r\n"
           "\r\n"
           "[lancement rapide]\r\n"
           "Nombre=1\r\n"
           "Rep0=C:\\notes.txt\r\n"
           "Opt0=¶\r\n"
           "[Fin]\r\n"
           "X=1";
}

std::vector<ProfileWrite> WriteSeries() {
    return {{"Divers", "Simple Click", "0"},
            {"Divers", "MAJ Icônes", "1"},
            {"Divers", "Temporisation", "3"},
            {"Lecteurs", "Réseaux", "0"},
            {"Dossiers", "Affichage", "1"},
            {"Dossiers", "Nombre", "3"},
            {"Dossiers", "Rep0", "C:\\Windows"},
            {"Dossiers", "Rac0", "Système"},
            {"Dossiers", "Rep1", "C:\\Temp"},
            {"Dossiers", "Rep2", "D:\\Données à trier"},
            {"Dossiers", "Rac2", "Données"},
            {"Lancement Rapide", "Affichage", "0"},
            {"Lancement Rapide", "Nombre", "2"},
            {"Lancement Rapide", "Rep0", "C:\\notes.txt"},
            {"Lancement Rapide", "Rac0", "Notes"},
            {"Lancement Rapide", "Opt0", "¶"},
            {"Lancement Rapide", "Rep1", "C:\\Program Files\\Outil\\outil.exe"},
            {"Lancement Rapide", "Opt1", "¶/x \"a b\""},
            {"Arrêter", "Type d'arrêt", "2"},
            {"Eteindre auto", "Périodicité", "-1"}};
}

std::vector<ProfileQuery> TemplateQueries() {
    return {{"Divers", "Inconnu"}, {"Autre programme", "Cle"},   {"Dossiers", "Rep3"},
            {"Dossiers", "Rep4"},  {"Lancement Rapide", "Opt0"}, {"Fin", "X"}};
}
