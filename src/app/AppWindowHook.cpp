#include "app/ConfigVossik.h"

void TConfigVossik::HookApplicationWindow() {
    Tray.RegisterTaskbarCreated();
    application_.SetHook(
        [this](const WindowMessage& message) { return ApplicationWindowProc(message); });
}

void TConfigVossik::UnhookApplicationWindow() {
    if (application_.Hooked()) application_.ClearHook();
}

namespace {

// The scale may have changed: a new taskbar (the shell restarts it for a new scale), new icon
// metrics, another display.
bool IconSizeMayChange(const WindowMessage& message, unsigned taskbarCreated) {
    return message.Msg == taskbarCreated || message.Msg == msg::DisplayChange ||
           (message.Msg == msg::SettingChange && message.WParam == msg::IconMetricsSetting);
}

}  // namespace

// Messages sent to every top-level window reach this one, which no other window owns. What a
// change of the clock, a wake-up or a change of scale calls for is done from the loop: a
// broadcast may come in the middle of one of our calls to the shell.
std::optional<std::intptr_t> TConfigVossik::ApplicationWindowProc(const WindowMessage& message) {
    if (message.Msg == msg::TimeChange || message.Msg == msg::PowerBroadcast) {
        system_.PostMessage(Handle(), msg::ScheduleCheck, 0, 0);
        return std::nullopt;
    }
    if (IconSizeMayChange(message, Tray.TaskbarCreatedMessage))
        system_.PostMessage(Handle(), msg::IconSizeCheck, 0, 0);
    return Tray.ApplicationWindowProc(message);
}
