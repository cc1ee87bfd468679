#include "settings/SettingsFile.h"

#include "platform/MessageBox.h"
#include "settings/FailureReason.h"
#include "settings/ProfileEncoding.h"
#include "types/Cp1252.h"

namespace {

// About a second in all: longer than a scanner's look at a file, short enough for a start.
constexpr int StartReadAttempts = 8;
constexpr unsigned StartReadPause = 125;

// FNV-1a over the bytes, then their count: what a save compares, so that no copy of the file is
// kept.
std::uint64_t Fingerprint(std::string_view bytes) {
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
    return (hash ^ bytes.size()) * 0x100000001B3u;
}

}  // namespace

std::string SettingsFile::ReadAtStart(System& system) {
    unsigned long error = 0;
    for (int attempt = 1;; ++attempt) {
        if (std::optional<std::string> content = system.ReadFile(path_)) {
            foundAtStart_ = true;
            if (const char* encoding = UnreadableEncoding(*content)) {
                seen_ = Seen::Unread;
                MessageWithBeep(system,
                                "Le fichier de paramètres n'a pas pu être lu :\r\n" +
                                    Narrow(path_) + "\r\n" + UnreadableEncodingText(encoding) +
                                    "\r\n\nVossik' démarre avec les réglages par défaut. Pour "
                                    "qu'il le lise, enregistrez ce fichier en ANSI, en UTF-8 ou "
                                    "en UTF-16.",
                                MessageKind::Warning);
                return {};
            }
            Written(*content);
            return std::move(*content);
        }
        error = system.LastError();
        if (IsAbsence(error)) return {};
        if (attempt == StartReadAttempts) break;
        system.Sleep(StartReadPause);
    }
    foundAtStart_ = true;
    seen_ = Seen::Unread;
    MessageWithBeep(system,
                    "Le fichier de paramètres n'a pas pu être lu :\r\n" + Narrow(path_) + "\r\n" +
                        FailureReason(system, error) +
                        "\r\n\nVossik' démarre avec les réglages par défaut, et ne remplacera "
                        "ce fichier qu'avec votre accord.",
                    MessageKind::Warning);
    return {};
}

SettingsFile::Replacing SettingsFile::MayReplace(System& system,
                                                 const std::optional<std::string>& current,
                                                 bool mayAsk) {
    if (!current || (seen_ == Seen::Content && Fingerprint(*current) == fingerprint_))
        return Replacing::Yes;
    if (!mayAsk) return Replacing::No;
    const std::string what =
        seen_ == Seen::Unread
            ? "Le fichier de paramètres n'a pas pu être lu au démarrage de Vossik' :\r\n"
            : "Le fichier de paramètres a été modifié par un autre programme depuis que "
              "Vossik' l'a lu ou enregistré :\r\n";
    const int answer = MessageWithBeep(
        system,
        what + Narrow(path_) +
            "\r\n\nLe remplacer par les réglages de cette fenêtre ?\r\n(Non : le fichier reste "
            "tel qu'il est, et les réglages de la fenêtre ne sont pas enregistrés.)",
        MessageKind::Confirmation, MessageButtons::YesNoDefaultNo);
    if (answer != BoxQueue::NotShown) return answer == mb::IdYes ? Replacing::Yes : Replacing::No;
    MessageWithBeep(system,
                    "Les paramètres n'ont pas été enregistrés.\r\n" + what + Narrow(path_) +
                        "\r\n\nRecommencez une fois ce message fermé : Vossik' vous demandera "
                        "alors s'il faut le remplacer.",
                    MessageKind::Warning);
    return Replacing::Unasked;
}

void SettingsFile::Written(std::string_view content) {
    seen_ = Seen::Content;
    fingerprint_ = Fingerprint(content);
}
