#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "types/Handles.h"
#include "types/Messages.h"
#include "ui/Control.h"

namespace ui {

class ApplicationPeer {
public:
    virtual ~ApplicationPeer() = default;
    virtual WindowHandle Handle() const = 0;
    virtual void SyncTitle() = 0;
    virtual void SyncTaskbarButton() = 0;
    // Subclasses the application window while the application has a hook, restores it after.
    virtual void SyncHook() = 0;
    virtual void BringToFront() = 0;
    virtual int Run() = 0;
};

class Form;

// The program's hidden owner window, which carries the taskbar button, and its message loop.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    WindowHandle Handle() const;
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);

    bool TaskbarButtonShown() const { return taskbarButton_; }
    void ShowTaskbarButton();
    void HideTaskbarButton();

    // Sees every message of the application window first; nothing means: pass it on to the
    // window's previous procedure.
    using Hook = std::function<std::optional<std::intptr_t>(const WindowMessage&)>;
    void SetHook(Hook hook);
    void ClearHook();
    bool Hooked() const { return static_cast<bool>(hook_); }
    // What the application window does with a message: the hook, else the previous procedure,
    // whose result is given.
    std::intptr_t Dispatch(const WindowMessage& message,
                           const std::function<std::intptr_t()>& previous);

    // The main form: closing it ends the program. Its window is made at once, as the program's
    // messages come to it; other forms make theirs when they first show, so that a dialog never
    // opened costs nothing. Only the first call counts.
    void CreateForm(Form& form);
    Form* MainForm() const { return mainForm_; }
    void ShowMainFormOnRun(bool show) { showMainForm_ = show; }

    // The program was asked to end.
    bool Terminated() const;
    void BringToFront();
    int Run();

    Handler OnDeactivate;
    // The message queue cannot be read any more: the last moment to keep what must be kept,
    // before every loop ends. Nothing may wait for the user here.
    Handler OnQueueLost;
    // While this says so, the commands that other programs send to our windows (automation, a
    // test's clicks) wait for the message loop: the program is in the middle of a change.
    std::function<bool()> CommandsWait;

private:
    std::string title_;
    bool taskbarButton_ = true;
    bool showMainForm_ = false;
    Hook hook_;
    Form* mainForm_ = nullptr;
    std::unique_ptr<ApplicationPeer> peer_;
};

}  // namespace ui
