#include "app/ConfigVossik.h"

void TConfigVossik::HookApplicationWindow() {
    Tray.RegisterTaskbarCreated();
    application_.SetHook(
        [this](const WindowMessage& message) { return ApplicationWindowProc(message); });
}

void TConfigVossik::UnhookApplicationWindow() {
    if (application_.Hooked()) application_.ClearHook();
}

// Messages sent to every top-level window reach this one, which no other window owns. What a
// change of the clock or a wake-up calls for is done from the loop: a broadcast may come in the
// middle of one of our calls to the shell.
std::optional<std::intptr_t> TConfigVossik::ApplicationWindowProc(const WindowMessage& message) {
    if (message.Msg == msg::TimeChange || message.Msg == msg::PowerBroadcast) {
        system_.PostMessage(Handle(), msg::ScheduleCheck, 0, 0);
        return std::nullopt;
    }
    return Tray.ApplicationWindowProc(message);
}
