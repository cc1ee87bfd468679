#include "app/ConfigVossik.h"

void TConfigVossik::HookApplicationWindow() {
    TaskbarCreatedMessage = system_.RegisterWindowMessage("TaskBarCreated");
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
    if (message.Msg != TaskbarCreatedMessage) return std::nullopt;
    // After the shell's taskbar was made anew, it knows none of our icons: put them all back.
    Icons.RemoveAllTrayIcons();
    Icons.RefreshTrayIcons();
    return 0;
}
