#include "ui/win32/FormPeer.h"

#include "platform/win32/ForeignMessages.h"
#include "ui/Buttons.h"
#include "ui/win32/DcCanvas.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Focus.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/WindowClasses.h"

namespace ui::win32 {

FormPeer::FormPeer(Win32Backend& backend, ui::Form& form)
    : WindowPeer(backend, form),
      model_(form),
      designedWidth_(form.ClientWidth()),
      designedHeight_(form.ClientHeight()) {
    HWND hwnd =
        CreateWindowExW(ExStyle(), FormClass, Widen(form.Caption()).c_str(), Style(), 0, 0, 0, 0,
                        backend.ApplicationWindow(), nullptr, backend.Instance(), nullptr);
    if (!hwnd) return;
    Attach(hwnd);
    SetForm(this, DpiOf(hwnd));
    Resize();
    hints_.Create(hwnd, backend.Instance());
    if (!form.Enabled()) EnableWindow(hwnd, FALSE);
    backend.AddForm(*this);
    if (form.Visible()) ShowOrHide();
}

FormPeer::~FormPeer() {
    TheBackend().RemoveForm(*this);
}

DWORD FormPeer::Style() const {
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (model_.Border() == BorderStyle::Dialog) style |= WS_POPUP;
    if (model_.Border() == BorderStyle::Sizeable) style |= WS_THICKFRAME;
    return style;
}

DWORD FormPeer::ExStyle() const {
    DWORD exStyle = model_.Border() == BorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0;
    if (model_.TopMost()) exStyle |= WS_EX_TOPMOST;
    return exStyle;
}

void FormPeer::DoSync(Property what) {
    switch (what) {
        case Property::Visible:
            ShowOrHide();
            break;
        case Property::Bounds:
            if (!userSizing_) Resize();
            break;
        case Property::TopMost:
            SetWindowPos(Window(), model_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        default:
            WindowPeer::DoSync(what);
            break;
    }
}

// The model's bounds are the client size; where the form goes is decided when it shows.
void FormPeer::Resize() {
    SIZE outer = OuterSize(Scale(model_.ClientWidth()), Scale(model_.ClientHeight()),
                           GetWindowLongW(Window(), GWL_STYLE),
                           GetWindowLongW(Window(), GWL_EXSTYLE), Dpi());
    SetWindowPos(Window(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The user resized a sizeable form: the model takes the new client size, at 96 dpi, and its
// anchored controls follow.
void FormPeer::FollowUser(WPARAM kind) {
    if (model_.Border() != BorderStyle::Sizeable || kind == SIZE_MINIMIZED) return;
    RECT client;
    GetClientRect(Window(), &client);
    userSizing_ = true;
    model_.SetClientSize(MulDiv(client.right, ModelDpi, Dpi()),
                         MulDiv(client.bottom, ModelDpi, Dpi()));
    userSizing_ = false;
}

// Escape, as the dialog manager reports it, presses the cancel button.
void FormPeer::PressCancel() {
    Control* cancel = model_.CancelButton();
    if (cancel && cancel->Enabled()) static_cast<Button*>(cancel)->Click();
}

void FormPeer::ShowOrHide() {
    if (!model_.Visible()) {
        ShowWindow(Window(), SW_HIDE);
        return;
    }
    // Every time it comes out of the tray, the window stands in the middle of the screen, where
    // the user looks for it; one already showing stays where it was dragged.
    if (!IsWindowVisible(Window())) {
        PrepareToShowTree();
        CentreOnScreen();
        // A form that names its first control starts there at every show.
        if (WindowPeer* active = Of(model_.ActiveControl())) lastFocus_ = active->Window();
    }
    ShowWindow(Window(), SW_SHOW);
}

void FormPeer::CentreOnScreen() {
    RECT work, window;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(Window(), &window);
    int width = window.right - window.left, height = window.bottom - window.top;
    int left = work.left + (work.right - work.left - width) / 2;
    int top = work.top + (work.bottom - work.top - height) / 2;
    SetWindowPos(Window(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every message goes to the form's own handler first, which may ask for ours.
LRESULT FormPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (model_.OnMessage) {
        WindowMessage seen{message, wParam, lParam};
        auto result = model_.OnMessage(
            seen, [&]() -> std::intptr_t { return OwnHandling(message, wParam, lParam); });
        if (result) return *result;
    }
    return OwnHandling(message, wParam, lParam);
}

LRESULT FormPeer::OwnHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto routed = RouteFromChild(message, wParam, lParam)) return *routed;
    switch (message) {
        case WM_CLOSE:
            // Closing goes through the model, which hides the form or ends the program.
            if (TheBackend().IsModal(model_))
                model_.EndModal(ModalResult::Cancel);
            else
                model_.Close();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) != IDCANCEL || lParam != 0) break;
            PressCancel();
            return 0;
        case WM_SIZE:
            FollowUser(wParam);
            break;
        case WM_GETMINMAXINFO: {
            if (model_.Border() != BorderStyle::Sizeable) break;
            SIZE least = OuterSize(Scale(designedWidth_), Scale(designedHeight_),
                                   GetWindowLongW(Window(), GWL_STYLE),
                                   GetWindowLongW(Window(), GWL_EXSTYLE), Dpi());
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.cx, least.cy};
            return 0;
        }
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_DPICHANGED:
            FollowScale(wParam, lParam);
            return 0;
        case WM_ACTIVATEAPP:
            TheBackend().ApplicationActivated(wParam != FALSE);
            break;
        case WM_ERASEBKGND:
            return FillBackground(reinterpret_cast<HDC>(wParam));
        case WM_PAINT:
            if (!model_.OnPaint) break;
            Paint();
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(FontHandle());
        case DM_GETDEFID:
            return DefaultButtonId();
        case WM_NEXTDLGCTL:
            // The dialog manager's way of moving the focus, as a dialog would take it.
            MoveFocus(wParam, lParam);
            return 0;
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

// Moved to a monitor of another scale: laid out again at that scale, with the client size the
// model asks for there. The system suggests a place, which keeps a window dragged across monitors
// on the one it was dragged to; a message with no place we can read (another program's) leaves
// the window where it is, and one with a scale no screen has lays it out at the scale the system
// gives it.
void FormPeer::FollowScale(WPARAM wParam, LPARAM lParam) {
    constexpr int LeastDpi = ModelDpi / 2, MostDpi = ModelDpi * 10;
    const int dpi = HIWORD(wParam);
    Rescale(LOWORD(wParam) == dpi && dpi >= LeastDpi && dpi <= MostDpi ? dpi : DpiOf(Window()));
    if (Readable(lParam, sizeof(RECT))) {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(Window(), nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Resize();
}

// The focus comes back to the control that had it when the form was last left.
void FormPeer::OnActivate(WPARAM wParam) {
    HWND hwnd = Window();
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) lastFocus_ = focus;
        if (model_.OnDeactivate) model_.OnDeactivate();
        return;
    }
    TheBackend().FormActivated(hwnd);
    if (HIWORD(wParam)) return;  // minimised
    HWND target = lastFocus_;
    if (!target || !IsChild(hwnd, target) || !CanTakeFocus(target)) target = FirstTabStop(hwnd);
    SetFocus(target ? target : hwnd);
}

// Enter presses the focused push button, else the form's default button.
LRESULT FormPeer::DefaultButtonId() const {
    HWND focus = GetFocus();
    if (focus && IsChild(Window(), focus)) {
        WindowPeer* peer = FromWindow(focus);
        if (peer && peer->Model().Kind() == ControlKind::Button &&
            !static_cast<Button&>(peer->Model()).Flat())
            return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
    WindowPeer* button = Of(model_.DefaultButton());
    if (!button || !IsWindowVisible(button->Window())) return 0;
    return MAKELRESULT(GetDlgCtrlID(button->Window()), DC_HASDEFID);
}

void FormPeer::MoveFocus(WPARAM wParam, LPARAM lParam) {
    HWND target = lParam ? reinterpret_cast<HWND>(wParam)
                         : GetNextDlgTabItem(Window(), GetFocus(), wParam != 0);
    if (target && IsChild(Window(), target)) SetFocus(target);
}

void FormPeer::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    {
        DcCanvas canvas(dc, FontHandle());
        model_.OnPaint(canvas);
    }
    EndPaint(Window(), &paint);
}

}  // namespace ui::win32
