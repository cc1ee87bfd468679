#include "tray/TrayRefusals.h"

#include <utility>

#include "platform/MessageBox.h"

// Each kind's sentence, then the tips one per line.
void TrayRefusals::TellNow(const Noted& refusals) {
    std::string text;
    auto tell = [&text](const char* what, const std::vector<std::string>& tips) {
        if (tips.empty()) return;
        if (!text.empty()) text += "\r\n\r\n";
        text += what;
        for (const std::string& tip : tips) text += "\r\n" + tip;
    };
    tell("La création de l'icône dans la barre de notification a échoué", refusals.Adds);
    tell("La modification de l'icône dans la barre de notification a échoué", refusals.Changes);
    MessageWithBeep(system_, text, MessageKind::Error);
}

void TrayRefusals::Tell(Refusal refusal, const std::string& tip) {
    if (readdAwaited_ || !system_.TaskbarPresent()) return;
    if (openChanges_ > 0) {
        noted_.Of(refusal).push_back(tip);
        return;
    }
    Noted one;
    one.Of(refusal).push_back(tip);
    TellNow(one);
}

bool TrayRefusals::AwaitReadd() {
    return !std::exchange(readdAwaited_, true);
}

void TrayRefusals::EndReaddWait() {
    readdAwaited_ = false;
}

TrayChange::TrayChange(TrayRefusals& refusals, std::function<void()> ended)
    : refusals_(refusals), ended_(std::move(ended)) {
    ++refusals_.openChanges_;
}

TrayChange::~TrayChange() {
    if (--refusals_.openChanges_ > 0) return;
    if (!refusals_.noted_.Empty()) refusals_.TellNow(std::exchange(refusals_.noted_, {}));
    if (ended_) ended_();
}
