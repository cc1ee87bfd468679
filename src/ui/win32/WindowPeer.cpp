#include "ui/win32/WindowPeer.h"

#include "platform/win32/ForeignMessages.h"
#include "ui/Application.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FormPeer.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"

namespace ui::win32 {

namespace {

// Where a control's window keeps its peer, for the parent's notifications to find it.
constexpr const wchar_t* PeerProperty = L"Vossik.Peer";

// Restores the guard even when a handler throws.
class Guard {
public:
    explicit Guard(int& depth) : depth_(depth) { ++depth_; }
    ~Guard() { --depth_; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    int& depth_;
};

}  // namespace

WindowPeer::WindowPeer(Win32Backend& backend, Control& control)
    : backend_(backend), control_(control) {
    const Control* root = &control;
    while (root->Parent()) root = root->Parent();
    if (root != &control && root->Kind() == ControlKind::Form) {
        if (auto* form = static_cast<FormPeer*>(root->Peer())) SetForm(form, form->Dpi());
    }
}

WindowPeer::~WindowPeer() {
    if (!hwnd_) return;
    if (form_ && form_ != this) form_->Hints().Remove(hwnd_);
    HWND hwnd = hwnd_;
    // Whatever the window says while it goes must not reach a model that is being destroyed.
    Detach();
    DestroyWindow(hwnd);
}

void WindowPeer::Sync(Property what) {
    if (!hwnd_) return;
    Guard guard(syncing_);
    DoSync(what);
}

int WindowPeer::Scale(int value) const {
    return ScaleToDpi(value, dpi_);
}

HFONT WindowPeer::FontHandle() const {
    return backend_.Gdi().FontFor(control_.EffectiveFont(), dpi_);
}

void WindowPeer::ApplyFont() {
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
    for (Control* child : control_.Children()) {
        if (child->HasOwnFont()) continue;
        if (WindowPeer* peer = Of(child)) peer->ApplyFont();
    }
}

void WindowPeer::Rescale(int dpi) {
    SetDpiTree(dpi);
    ApplyFont();
    PlaceTree();
}

void WindowPeer::PrepareToShowTree() {
    PrepareToShow();
    for (Control* child : control_.Children()) {
        if (WindowPeer* peer = Of(child)) peer->PrepareToShowTree();
    }
}

void WindowPeer::SetDpiTree(int dpi) {
    dpi_ = dpi;
    for (Control* child : control_.Children()) {
        if (WindowPeer* peer = Of(child)) peer->SetDpiTree(dpi);
    }
}

void WindowPeer::PlaceTree() {
    for (Control* child : control_.Children()) {
        if (WindowPeer* peer = Of(child)) {
            peer->Place();
            peer->PlaceTree();
        }
    }
}

WindowPeer* WindowPeer::FromWindow(HWND hwnd) {
    return hwnd ? static_cast<WindowPeer*>(GetPropW(hwnd, PeerProperty)) : nullptr;
}

WindowPeer* WindowPeer::Of(const Control* control) {
    return control ? static_cast<WindowPeer*>(control->Peer()) : nullptr;
}

void WindowPeer::DoSync(Property what) {
    switch (what) {
        case Property::Caption:
            SetWindowTextIfChanged(hwnd_, control_.Caption());
            break;
        case Property::Enabled:
            EnableWindow(hwnd_, control_.Enabled());
            break;
        case Property::Visible:
            ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case Property::Bounds:
            Place();
            break;
        case Property::Focus:
            ::SetFocus(hwnd_);
            break;
        case Property::Hint:
            SyncHint();
            break;
        case Property::Font:
            ApplyFont();
            break;
        case Property::Color:
        case Property::Invalidate:
            InvalidateRect(hwnd_, nullptr, TRUE);
            break;
        default:
            break;
    }
}

LRESULT WindowPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT WindowPeer::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

std::optional<LRESULT> WindowPeer::RouteFromChild(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (WindowPeer* child = FromWindow(reinterpret_cast<HWND>(lParam))) {
                // Only a sent message can come while the program waits on its own call.
                const Application* app = TheBackend().App();
                if (app && app->CommandsWait && app->CommandsWait()) {
                    PostMessageW(hwnd_, message, wParam, lParam);
                } else if (!child->Syncing()) {
                    child->OnCommand(HIWORD(wParam));
                }
                return 0;
            }
            break;
        case WM_NOTIFY: {
            // Every notification our controls make is at most this large.
            if (!Readable(lParam, sizeof(NMTREEVIEWW))) return 0;
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (WindowPeer* child = FromWindow(header->hwndFrom)) return child->OnNotify(*header);
            break;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType == ODT_MENU) break;
            if (WindowPeer* child = FromWindow(item->hwndItem)) {
                child->OnDrawItem(*item);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            if (WindowPeer* child = FromWindow(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(brush);
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

HWND WindowPeer::CreateControlWindow(const wchar_t* className, DWORD style, DWORD exStyle) {
    WindowPeer* parent = Of(control_.Parent());
    if (!parent || !parent->ChildParent() || !form_) return nullptr;
    style |= WS_CHILD | WS_CLIPSIBLINGS | GroupStyle();
    if (ShownAtCreation()) style |= WS_VISIBLE;
    if (!control_.Enabled()) style |= WS_DISABLED;
    RECT place = Placement();
    HWND hwnd = CreateWindowExW(exStyle, className, Widen(control_.Caption()).c_str(), style,
                                place.left, place.top, place.right - place.left,
                                place.bottom - place.top, parent->ChildParent(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(form_->NextId())),
                                backend_.Instance(), nullptr);
    if (!hwnd) return nullptr;
    Attach(hwnd);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    SyncHint();
    return hwnd;
}

// Every control starts a group of its own but a radio button that follows another: the arrow
// keys then move between the radio buttons of a run and stop at whatever comes next.
DWORD WindowPeer::GroupStyle() const {
    const Control* parent = control_.Parent();
    if (control_.Kind() != ControlKind::RadioButton || !parent) return WS_GROUP;
    const auto& siblings = parent->Children();
    for (size_t i = 1; i < siblings.size(); ++i) {
        if (siblings[i] == &control_)
            return siblings[i - 1]->Kind() == ControlKind::RadioButton ? 0 : WS_GROUP;
    }
    return WS_GROUP;
}

void WindowPeer::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    SetPropW(hwnd, PeerProperty, this);
    SetWindowSubclass(hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void WindowPeer::Detach() {
    if (!hwnd_) return;
    RemoveWindowSubclass(hwnd_, SubclassProc, 0);
    RemovePropW(hwnd_, PeerProperty);
    hwnd_ = nullptr;
}

void WindowPeer::SetForm(FormPeer* form, int dpi) {
    form_ = form;
    dpi_ = dpi;
}

RECT WindowPeer::Placement() const {
    const Box& box = control_.Bounds();
    int left = Scale(box.Left), top = Scale(box.Top);
    return {left, top, left + Scale(box.Width), top + Scale(box.Height)};
}

void WindowPeer::Place() {
    RECT place = Placement();
    MoveWindow(hwnd_, place.left, place.top, place.right - place.left, place.bottom - place.top,
               TRUE);
}

void WindowPeer::SyncHint() {
    if (form_ && form_ != this) form_->Hints().Set(hwnd_, control_.Hint());
}

// Our own windows and the group boxes paint their whole background in the control's colour.
bool WindowPeer::FillBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, backend_.Gdi().BrushFor(control_.BackColor()));
    return true;
}

LRESULT CALLBACK WindowPeer::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
    auto* peer = reinterpret_cast<WindowPeer*>(self);
    if (message == WM_NCDESTROY) {
        // The window went with its parent before the control went: nothing left to destroy.
        peer->Detach();
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return peer->WndProc(message, wParam, lParam);
}

}  // namespace ui::win32
