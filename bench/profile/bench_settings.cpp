#include "bench_settings.h"

namespace {

class Builder {
public:
    explicit Builder(BenchSettings& out) : out_(out) {}

    void Section(const std::string& name) {
        section_ = name;
        out_.content += "[" + name + "]\r\n";
    }

    void Key(const std::string& key, const std::string& value) {
        out_.content += key + "=" + value + "\r\n";
        out_.keys.push_back({section_, key});
    }

    void List(int count, const std::string& path, const std::string& name) {
        Key("Nombre", std::to_string(count));
        for (int n = 0; n < count; ++n) {
            std::string number = std::to_string(n);
            Key("Rep" + number, path + number);
            Key("Rac" + number, name + number);
            Key("Opt" + number, "¶/p " + number);
        }
    }

private:
    BenchSettings& out_;
    std::string section_;
};

}  // namespace

BenchSettings MakeBenchSettings(int folders, int launches) {
    BenchSettings settings;
    Builder file(settings);
    file.Section("Divers");
    for (const char* key : {"Simple Click", "MAJ Icônes", "Garder CD", "Garder Net"}) {
        file.Key(key, "1");
    }
    file.Key("Temporisation", "3");
    file.Section("Lecteurs");
    for (const char* key : {"Affichage", "Amovibles", "Fixes", "CD-Roms", "Virtuels", "Réseaux",
                            "Exploreur", "Racine"}) {
        file.Key(key, "1");
    }
    file.Section("Dossiers");
    for (const char* key : {"Affichage", "Exploreur", "Racine"}) file.Key(key, "1");
    file.List(folders, "C:\\Documents and Settings\\Utilisateur\\Mes documents\\Dossier ",
              "Dossier ");
    file.Section("Lancement Rapide");
    file.Key("Affichage", "1");
    file.List(launches, "C:\\Program Files\\Outils\\outil", "Outil ");
    file.Section("Arrêter");
    for (const char* key : {"Afficher Icone", "Type d'arrêt", "Forcer", "Confirmation"}) {
        file.Key(key, "1");
    }
    file.Section("Eteindre auto");
    for (const char* key :
         {"Activer", "Heure", "Minutes", "Périodicité", "Rappel", "Confirmation"}) {
        file.Key(key, "0");
    }
    return settings;
}
