#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "types/Handles.h"
#include "ui/Backend.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/PostedMessageGuard.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/WindowClasses.h"

namespace ui {

namespace win32 {
class FormPeer;
class OpenMenu;
class TimerHost;
}  // namespace win32

// The toolkit on real windows. Make it before any toolkit object and keep it until the last one
// has gone: the fonts and brushes it hands out to their windows live as long as it does.
class Win32Backend : public Backend {
public:
    explicit Win32Backend(ModuleHandle instance);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    std::unique_ptr<ControlPeer> CreatePeer(Control& control) override;
    std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) override;
    std::unique_ptr<ImageListPeer> CreateImageListPeer(ImageList& list) override;
    std::unique_ptr<ApplicationPeer> CreateApplicationPeer(Application& app) override;
    ModalResult RunModal(Form& form) override;
    bool RunOpenDialog(OpenDialog& dialog) override;
    void EndModal(Form& form) override;
    void TrackPopup(PopupMenu& menu, Point at) override;
    void CloseMenus() override;
    void Quit() override;
    bool QuitRequested() const override { return quitRequested_; }
    // A quit message seen by a loop that is not the program's own: it is posted again for that
    // one, and every waiting loop now knows.
    void QuitSeen(int exitCode);

    // What the peers share.
    HINSTANCE Instance() const { return instance_; }
    win32::GdiCache& Gdi() { return gdi_; }
    HWND ApplicationWindow() const { return appWindow_; }
    Application* App() const { return app_; }
    void AttachApplication(Application* app, HWND window);
    // WM_ACTIVATEAPP reaches every top-level window of ours: the application hears it once.
    void ApplicationActivated(bool active);
    void AddForm(win32::FormPeer& form);
    void RemoveForm(win32::FormPeer& form);
    // The form the user was last in, for the application window to hand the activation back to.
    void FormActivated(HWND form) { lastActiveForm_ = form; }
    HWND LastActiveForm() const { return lastActiveForm_; }
    bool IsFormWindow(HWND hwnd) const;
    bool IsModal(const Form& form) const;
    // The window of the innermost modal form, else the application window: the owner of the
    // system's own dialogs.
    HWND ActiveModalWindow() const;
    // The next message for a loop of ours. A read that fails is no quit: the system could not
    // hand a message over (a WM_COPYDATA too big for it, say), which is then gone, and the loop
    // goes on. Only a queue that fails read after read is lost: the application hears of it
    // once, and every loop ends.
    enum class QueueRead { Message, Quit, Lost };
    QueueRead ReadMessage(MSG& message);
    // One step of every message loop of ours: keyboard navigation for the forms, then dispatch.
    void DispatchOne(MSG& message);
    // What the open popup menu makes of a message to its owner, the application window.
    std::optional<LRESULT> MenuMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct ModalState {
        Form* ModalForm;
        bool Ended;
    };
    std::vector<HWND> DisableOtherWindows(HWND modal);

    HINSTANCE instance_;
    win32::PostedMessageGuard postedGuard_;
    win32::ClassAtoms atoms_;
    win32::GdiCache gdi_;
    std::unique_ptr<win32::TimerHost> timers_;
    std::vector<win32::FormPeer*> forms_;
    std::vector<ModalState> modal_;
    Application* app_ = nullptr;
    HWND appWindow_ = nullptr;
    HWND lastActiveForm_ = nullptr;
    bool appActive_ = true;
    win32::OpenMenu* openMenu_ = nullptr;
    bool quitRequested_ = false;
    bool queueLost_ = false;
};

}  // namespace ui
