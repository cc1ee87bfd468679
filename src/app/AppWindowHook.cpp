#include "app/ConfigVossik.h"

void TConfigVossik::HookApplicationWindow() {
    Tray.RegisterTaskbarCreated();
    application_.SetHook(
        [this](const WindowMessage& message) { return ApplicationWindowProc(message); });
}

void TConfigVossik::UnhookApplicationWindow() {
    if (application_.Hooked()) application_.ClearHook();
}

// Messages sent to every top-level window reach this one, which no other window owns.
std::optional<std::intptr_t> TConfigVossik::ApplicationWindowProc(const WindowMessage& message) {
    if (message.Msg == msg::TimeChange || message.Msg == msg::PowerBroadcast) {
        Shutdown.CheckScheduleNow();
        return std::nullopt;
    }
    return Tray.ApplicationWindowProc(message);
}
