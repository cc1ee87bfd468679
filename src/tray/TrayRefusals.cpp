#include "tray/TrayRefusals.h"

#include <utility>
#include <vector>

#include "platform/MessageBox.h"

namespace {

// The tips of the icons concerned, by what was asked.
struct Refusals {
    std::vector<std::string> Adds;
    std::vector<std::string> Changes;
    std::vector<std::string>& Of(Refusal refusal) {
        return refusal == Refusal::Add ? Adds : Changes;
    }
    bool Empty() const { return Adds.empty() && Changes.empty(); }
};

int openChanges = 0;
Refusals noted;
bool readdAwaited = false;

// Each kind's sentence, then the tips one per line.
void Tell(System& system, const Refusals& refusals) {
    std::string text;
    auto tell = [&text](const char* what, const std::vector<std::string>& tips) {
        if (tips.empty()) return;
        if (!text.empty()) text += "\r\n\r\n";
        text += what;
        for (const std::string& tip : tips) text += "\r\n" + tip;
    };
    tell("La création de l'icône dans la barre de notification a échoué", refusals.Adds);
    tell("La modification de l'icône dans la barre de notification a échoué", refusals.Changes);
    MessageWithBeep(system, text, MessageKind::Error);
}

}  // namespace

void TellRefusal(System& system, Refusal refusal, const std::string& tip) {
    if (readdAwaited || !system.TaskbarPresent()) return;
    if (openChanges > 0) {
        noted.Of(refusal).push_back(tip);
        return;
    }
    Refusals one;
    one.Of(refusal).push_back(tip);
    Tell(system, one);
}

bool AwaitReadd() {
    return !std::exchange(readdAwaited, true);
}

void EndReaddWait() {
    readdAwaited = false;
}

TrayChange::TrayChange(System& system) : system_(system) {
    ++openChanges;
}

TrayChange::~TrayChange() {
    if (--openChanges > 0 || noted.Empty()) return;
    Tell(system_, std::exchange(noted, {}));
}
