#pragma once

#include "ui/Application.h"
#include "ui/win32/Win32Api.h"

namespace ui {
class Win32Backend;
}

namespace ui::win32 {

// The program's hidden application window: it owns the forms and carries the taskbar button,
// with no frame of its own on the screen (it has no size). The application's hook subclasses it.
class ApplicationWindow : public ApplicationPeer {
public:
    ApplicationWindow(Win32Backend& backend, Application& app);
    ~ApplicationWindow() override;
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    WindowHandle Handle() const override { return hwnd_; }
    void SyncTitle() override;
    void SyncTaskbarButton() override;
    void SyncHook() override;
    void BringToFront() override;
    int Run() override;

    // The class's own procedure, which the hook's subclass passes on to.
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OwnHandling(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    Win32Backend& backend_;
    Application& app_;
    HWND hwnd_ = nullptr;
    WNDPROC previous_ = nullptr;
    UINT activateLastForm_ = 0;
    UINT guiObjectsQuery_ = 0;
};

}  // namespace ui::win32
