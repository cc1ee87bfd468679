#include "platform/MessageBox.h"

namespace {

struct KindLook {
    unsigned Sound;
    unsigned Icon;
    const char* Title;
};

// The sounds are not the icons' own: a warning plays the asterisk sound and an information
// the exclamation sound, as users of this utility have always heard them.
KindLook LookOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return {mb::IconAsterisk, mb::IconExclamation, "Avertissement"};
        case MessageKind::Error:
            return {mb::IconHand, mb::IconHand, "Erreur"};
        case MessageKind::Information:
            return {mb::IconExclamation, mb::IconAsterisk, "Information"};
        case MessageKind::Confirmation:
            return {mb::IconQuestion, mb::IconQuestion, "Confirmation"};
    }
    return {0, 0, ""};
}

unsigned ButtonFlags(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return mb::Ok;
        case MessageButtons::YesNo:
            return mb::YesNo;
        case MessageButtons::YesNoDefaultNo:
            return mb::YesNo | mb::DefaultButton2;
    }
    return mb::Ok;
}

}  // namespace

int MessageWithBeep(System& system, const std::string& text, MessageKind kind,
                    MessageButtons buttons) {
    KindLook look = LookOf(kind);
    unsigned flags = look.Icon | ButtonFlags(buttons);
    return system.MessageBoxes.Show(system, {look.Sound, text, look.Title, flags});
}

void ShowHandlerError(System& system, const std::string& title, const std::string& text) {
    system.MessageBoxes.Show(system, {std::nullopt, text, title, mb::IconStop | mb::Ok});
}
