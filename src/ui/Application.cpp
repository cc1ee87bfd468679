#include "ui/Application.h"

#include "ui/Backend.h"
#include "ui/Form.h"

namespace ui {

Application::Application() : peer_(CurrentBackend().CreateApplicationPeer(*this)) {}

Application::~Application() = default;

WindowHandle Application::Handle() const {
    if (peer_) return peer_->Handle();
    return reinterpret_cast<WindowHandle>(const_cast<Application*>(this));
}

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    if (peer_) peer_->SyncTitle();
}

void Application::ShowTaskbarButton() {
    taskbarButton_ = true;
    if (peer_) peer_->SyncTaskbarButton();
}

void Application::HideTaskbarButton() {
    taskbarButton_ = false;
    if (peer_) peer_->SyncTaskbarButton();
}

void Application::SetHook(Hook hook) {
    hook_ = std::move(hook);
    if (peer_) peer_->SyncHook();
}

void Application::ClearHook() {
    hook_ = nullptr;
    if (peer_) peer_->SyncHook();
}

std::intptr_t Application::Dispatch(const WindowMessage& message,
                                    const std::function<std::intptr_t()>& previous) {
    if (hook_) {
        if (auto result = hook_(message)) return *result;
    }
    return previous();
}

void Application::CreateForm(Form& form) {
    if (mainForm_) return;
    mainForm_ = &form;
    form.SetEndsProgram(true);
    form.Realize();
}

bool Application::Terminated() const {
    return CurrentBackend().QuitRequested();
}

void Application::BringToFront() {
    if (peer_) peer_->BringToFront();
}

int Application::Run() {
    if (showMainForm_ && mainForm_) mainForm_->Show();
    return peer_ ? peer_->Run() : 0;
}

}  // namespace ui
