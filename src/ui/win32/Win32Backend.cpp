#include "ui/win32/Win32Backend.h"

#include <algorithm>
#include <utility>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/win32/AppWindow.h"
#include "ui/win32/ButtonPeers.h"
#include "ui/win32/FolderTreePeer.h"
#include "ui/win32/FormPeer.h"
#include "ui/win32/GroupPeers.h"
#include "ui/win32/ImageListPeer.h"
#include "ui/win32/ListPeers.h"
#include "ui/win32/PagePeers.h"
#include "ui/win32/PaintBoxPeer.h"
#include "ui/win32/PopupMenus.h"
#include "ui/win32/TextPeers.h"
#include "ui/win32/TimerHost.h"

namespace ui {

using namespace win32;

Win32Backend::Win32Backend(ModuleHandle instance) : instance_(instance) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                          ICC_STANDARD_CLASSES |
                                                          ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    atoms_ = RegisterWindowClasses(instance_);
    timers_ = std::make_unique<TimerHost>(instance_);
}

Win32Backend::~Win32Backend() {
    timers_.reset();
    UnregisterWindowClasses(instance_);
}

std::unique_ptr<ControlPeer> Win32Backend::CreatePeer(Control& control) {
    switch (control.Kind()) {
        case ControlKind::Form:
            return std::make_unique<FormPeer>(*this, static_cast<Form&>(control));
        case ControlKind::PageControl:
            return std::make_unique<PageControlPeer>(*this, static_cast<PageControl&>(control));
        case ControlKind::Page:
            return std::make_unique<PagePeer>(*this, static_cast<Page&>(control));
        case ControlKind::GroupBox:
            return std::make_unique<GroupBoxPeer>(*this, control);
        case ControlKind::RadioGroup:
            return std::make_unique<RadioGroupPeer>(*this, static_cast<RadioGroup&>(control));
        case ControlKind::CheckBox:
            return std::make_unique<CheckBoxPeer>(*this, static_cast<CheckBox&>(control));
        case ControlKind::RadioButton:
            return std::make_unique<RadioButtonPeer>(*this, static_cast<RadioButton&>(control));
        case ControlKind::Button:
            return std::make_unique<ButtonPeer>(*this, static_cast<Button&>(control));
        case ControlKind::Label:
            return std::make_unique<LabelPeer>(*this, static_cast<Label&>(control));
        case ControlKind::Edit:
            return std::make_unique<EditPeer>(*this, static_cast<Edit&>(control));
        case ControlKind::ListBox:
            return std::make_unique<ListBoxPeer>(*this, static_cast<ListBox&>(control));
        case ControlKind::ComboBox:
            return std::make_unique<ComboBoxPeer>(*this, static_cast<ComboBox&>(control));
        case ControlKind::PaintBox:
            return std::make_unique<PaintBoxPeer>(*this, static_cast<PaintBox&>(control));
        case ControlKind::FolderTree:
            return std::make_unique<FolderTreePeer>(*this, static_cast<FolderTree&>(control));
    }
    return nullptr;
}

std::unique_ptr<TimerPeer> Win32Backend::CreateTimerPeer(Timer& timer) {
    return std::make_unique<Win32TimerPeer>(*timers_, timer);
}

std::unique_ptr<ImageListPeer> Win32Backend::CreateImageListPeer(ImageList&) {
    return std::make_unique<Win32ImageListPeer>();
}

std::unique_ptr<ApplicationPeer> Win32Backend::CreateApplicationPeer(Application& app) {
    return std::make_unique<win32::ApplicationWindow>(*this, app);
}

void Win32Backend::AttachApplication(Application* app, HWND window) {
    app_ = app;
    appWindow_ = window;
}

void Win32Backend::ApplicationActivated(bool active) {
    if (active) {
        appActive_ = true;
        return;
    }
    if (!appActive_) return;
    appActive_ = false;
    if (app_ && app_->OnDeactivate) app_->OnDeactivate();
}

void Win32Backend::AddForm(FormPeer& form) {
    forms_.push_back(&form);
}

void Win32Backend::RemoveForm(FormPeer& form) {
    std::erase(forms_, &form);
    if (lastActiveForm_ == form.Window()) lastActiveForm_ = nullptr;
}

bool Win32Backend::IsFormWindow(HWND hwnd) const {
    return hwnd && GetClassLongPtrW(hwnd, GCW_ATOM) == atoms_.Form;
}

bool Win32Backend::IsModal(const Form& form) const {
    return std::any_of(modal_.begin(), modal_.end(), [&](const ModalState& state) {
        return state.ModalForm == &form && !state.Ended;
    });
}

HWND Win32Backend::ActiveModalWindow() const {
    if (modal_.empty()) return appWindow_;
    ControlPeer* peer = modal_.back().ModalForm->Peer();
    return peer ? peer->Handle() : appWindow_;
}

Win32Backend::QueueRead Win32Backend::ReadMessage(MSG& message) {
    // Under Wine a failed read returns the system's status, a negative number but not -1.
    constexpr int MostFailedReads = 1000;
    for (int failed = 0; failed < MostFailedReads; ++failed) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got > 0) return QueueRead::Message;
        if (got == 0) return QueueRead::Quit;
    }
    if (!std::exchange(queueLost_, true)) {
        if (app_ && app_->OnQueueLost) app_->OnQueueLost();
        QuitSeen(1);
    }
    return QueueRead::Lost;
}

void Win32Backend::DispatchOne(MSG& message) {
    if (message.hwnd) {
        if (PageControlPeer::HandlePageKeys(message)) return;
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (IsFormWindow(root) && IsDialogMessageW(root, &message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

std::vector<HWND> Win32Backend::DisableOtherWindows(HWND modal) {
    std::vector<HWND> candidates{appWindow_};
    for (FormPeer* form : forms_) candidates.push_back(form->Window());
    std::vector<HWND> disabled;
    for (HWND hwnd : candidates) {
        if (!hwnd || hwnd == modal || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) continue;
        EnableWindow(hwnd, FALSE);
        disabled.push_back(hwnd);
    }
    return disabled;
}

ModalResult Win32Backend::RunModal(Form& form) {
    if (!form.Peer()) form.Realize();
    auto* peer = static_cast<FormPeer*>(form.Peer());
    if (!peer || !peer->Window()) return ModalResult::Cancel;

    HWND before = GetActiveWindow();
    size_t level = modal_.size();
    modal_.push_back({&form, false});
    std::vector<HWND> disabled = DisableOtherWindows(peer->Window());
    form.Show();
    MSG message = {};
    while (!modal_[level].Ended && form.Visible()) {
        const QueueRead read = ReadMessage(message);
        if (read == QueueRead::Quit) {
            // The program is ending: the loop that runs it must see the quit too.
            QuitSeen(static_cast<int>(message.wParam));
            break;
        }
        if (read == QueueRead::Lost) break;
        DispatchOne(message);
    }
    // Enabled again before the form hides, so that the activation goes back to them.
    for (HWND hwnd : disabled) {
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    }
    // The window the user came from gets the activation back: left to the system, a dialog
    // hands it to its owner, the application window, which never shows.
    if (before != peer->Window() && IsWindow(before) && IsWindowVisible(before) &&
        IsWindowEnabled(before))
        SetActiveWindow(before);
    modal_.erase(modal_.begin() + static_cast<std::ptrdiff_t>(level));
    form.Hide();
    return form.Result();
}

void Win32Backend::EndModal(Form& form) {
    for (ModalState& state : modal_) {
        if (state.ModalForm == &form) state.Ended = true;
    }
}

// The command runs once the menu is gone, as it may open a menu of its own.
void Win32Backend::TrackPopup(PopupMenu& menu, Point at) {
    MenuItem* chosen = nullptr;
    {
        OpenMenu open(menu, gdi_);
        OpenMenu* outer = std::exchange(openMenu_, &open);
        chosen = open.Choose(at, appWindow_);
        openMenu_ = outer;
    }
    if (chosen) chosen->Click();
}

std::optional<LRESULT> Win32Backend::MenuMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!openMenu_) return std::nullopt;
    return openMenu_->HandleMessage(message, wParam, lParam);
}

void Win32Backend::CloseMenus() {
    EndMenu();
}

void Win32Backend::Quit() {
    QuitSeen(0);
}

void Win32Backend::QuitSeen(int exitCode) {
    quitRequested_ = true;
    PostQuitMessage(exitCode);
}

}  // namespace ui
