#include "app/ConfigVossik.h"

void TConfigVossik::HookApplicationWindow() {
    TaskbarCreatedMessage = system_.RegisterWindowMessage("TaskBarCreated");
    application_.SetHook(
        [this](const WindowMessage& message) { return ApplicationWindowProc(message); });
}

void TConfigVossik::UnhookApplicationWindow() {
    if (application_.Hooked()) application_.ClearHook();
}

// After the shell's taskbar was made anew, it knows none of our icons: put them all back.
std::optional<std::intptr_t> TConfigVossik::ApplicationWindowProc(const WindowMessage& message) {
    if (message.Msg != TaskbarCreatedMessage) return std::nullopt;
    TrayChange change = Icons.Change();
    Icons.RemoveAllTrayIcons();
    Icons.RefreshTrayIcons();
    return 0;
}
