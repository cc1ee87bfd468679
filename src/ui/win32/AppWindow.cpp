#include "ui/win32/AppWindow.h"

#include "platform/win32/ForeignMessages.h"
#include "platform/win32/GuiObjects.h"
#include "ui/Form.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/WindowClasses.h"

namespace ui::win32 {

namespace {

ApplicationWindow* PeerOf(HWND hwnd) {
    return reinterpret_cast<ApplicationWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool CanActivate(HWND hwnd) {
    return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

}  // namespace

ApplicationWindow::ApplicationWindow(Win32Backend& backend, Application& app)
    : backend_(backend), app_(app) {
    activateLastForm_ = RegisterWindowMessageW(L"Vossik.ActivateLastForm");
    guiObjectsQuery_ = RegisterWindowMessageW(gui_objects::QueryMessage);
    // Centred and of no size: its frame never shows, its taskbar button does.
    int left = GetSystemMetrics(SM_CXSCREEN) / 2, top = GetSystemMetrics(SM_CYSCREEN) / 2;
    hwnd_ = CreateWindowExW(0, ApplicationClass, Widen(app.Title()).c_str(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                            left, top, 0, 0, nullptr, nullptr, backend.Instance(), this);
    backend_.AttachApplication(&app_, hwnd_);
}

ApplicationWindow::~ApplicationWindow() {
    backend_.AttachApplication(nullptr, nullptr);
    if (!hwnd_) return;
    if (previous_) SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

void ApplicationWindow::SyncTitle() {
    SetWindowTextW(hwnd_, Widen(app_.Title()).c_str());
}

// Shown by the start-up way, unless one of our forms is active: it keeps the activation then.
void ApplicationWindow::SyncTaskbarButton() {
    if (!app_.TaskbarButtonShown()) {
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    if (IsWindowVisible(hwnd_)) return;
    ShowWindow(hwnd_, GetActiveWindow() ? SW_SHOWNA : SW_SHOWDEFAULT);
}

void ApplicationWindow::SyncHook() {
    if (app_.Hooked() && !previous_) {
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookProc)));
    } else if (!app_.Hooked() && previous_) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        previous_ = nullptr;
    }
}

void ApplicationWindow::BringToFront() {
    HWND last = backend_.LastActiveForm();
    SetForegroundWindow(last && CanActivate(last) ? last : hwnd_);
}

int ApplicationWindow::Run() {
    SyncTaskbarButton();
    MSG message = {};
    for (;;) {
        switch (backend_.ReadMessage(message)) {
            case Win32Backend::QueueRead::Message:
                backend_.DispatchOne(message);
                break;
            case Win32Backend::QueueRead::Quit:
                return static_cast<int>(message.wParam);
            case Win32Backend::QueueRead::Lost:
                return 1;
        }
    }
}

LRESULT CALLBACK ApplicationWindow::ClassProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE && TakeCreationParameter(hwnd, lParam)) PeerOf(hwnd)->hwnd_ = hwnd;
    ApplicationWindow* self = PeerOf(hwnd);
    return self ? self->OwnHandling(hwnd, message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

// Every message meets the application's hook first; `previous` is the class's own procedure.
LRESULT CALLBACK ApplicationWindow::HookProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    ApplicationWindow* self = PeerOf(hwnd);
    if (!self || !self->previous_) return DefWindowProcW(hwnd, message, wParam, lParam);
    WNDPROC previous = self->previous_;
    WindowMessage seen{message, wParam, lParam};
    return self->app_.Dispatch(seen, [&]() -> std::intptr_t {
        return CallWindowProcW(previous, hwnd, message, wParam, lParam);
    });
}

LRESULT ApplicationWindow::OwnHandling(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The application window owns the popup menus.
    if (auto handled = backend_.MenuMessage(message, wParam, lParam)) return *handled;
    if (message == guiObjectsQuery_ && message != 0) return gui_objects::Live();
    switch (message) {
        case WM_ACTIVATEAPP:
            backend_.ApplicationActivated(wParam != FALSE);
            break;
        case WM_ACTIVATE:
            // Clicking the taskbar button activates this window: the form the user was in
            // should get the activation, once this message is over.
            if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(hwnd, activateLastForm_, 0, 0);
            return 0;
        case WM_CLOSE:
            // "Close" on the taskbar button closes the program as its main form would.
            if (Form* main = app_.MainForm())
                main->Close();
            else
                backend_.Quit();
            return 0;
        default:
            if (message == activateLastForm_ && message != 0) {
                HWND last = backend_.LastActiveForm();
                if (last && GetActiveWindow() == hwnd && CanActivate(last)) SetActiveWindow(last);
                return 0;
            }
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace ui::win32
