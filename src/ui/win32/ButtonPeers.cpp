#include "ui/win32/ButtonPeers.h"

#include "ui/win32/FlatButton.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Win32Backend.h"

namespace ui::win32 {

namespace {

// Between a button's picture and its caption.
constexpr int GlyphSpacing = 4;

bool IsChecked(HWND hwnd) {
    return SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace

HBRUSH PrepareTextColours(WindowPeer& peer, HDC dc) {
    const Control& control = peer.Model();
    SetTextColor(dc, ToColorRef(control.EffectiveFont().TextColor));
    SetBkColor(dc, ToColorRef(control.BackColor()));
    return peer.TheBackend().Gdi().BrushFor(control.BackColor());
}

ButtonPeer::ButtonPeer(Win32Backend& backend, Button& button)
    : WindowPeer(backend, button), button_(button) {
    DWORD kind = button.Flat()        ? BS_OWNERDRAW
                 : button.IsDefault() ? BS_DEFPUSHBUTTON
                                      : BS_PUSHBUTTON;
    if (!button.Glyph().empty()) glyphs_ = LoadButtonGlyphs(backend.Instance(), button.Glyph());
    if (glyphs_) kind |= BS_LEFT;  // after the picture, not in the middle of what it leaves
    if (CreateControlWindow(L"BUTTON", kind | TabStopStyle(), 0) && glyphs_) PlaceGlyph();
}

void ButtonPeer::PlaceGlyph() {
    CentreGlyphAndCaption(Window(), glyphs_.get(), FontHandle(), Scale(GlyphSpacing));
}

void ButtonPeer::OnCommand(unsigned code) {
    if (code == BN_CLICKED) button_.Click();
}

void ButtonPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
    FlatLook look;
    look.Hot = hot_;
    look.Pressed = pressed_ && hot_;
    look.Focused = item.itemState & ODS_FOCUS;
    look.Enabled = !(item.itemState & ODS_DISABLED);
    DrawFlatButton(item.hDC, item.rcItem, button_.Caption(), FontHandle(),
                   ToColorRef(button_.EffectiveFont().TextColor),
                   TheBackend().Gdi().BrushFor(button_.BackColor()), look);
}

LRESULT ButtonPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!button_.Flat()) {
        LRESULT result = DefaultProc(message, wParam, lParam);
        if (glyphs_ && (message == WM_SETTEXT || message == WM_SETFONT || message == WM_SIZE))
            PlaceGlyph();
        return result;
    }
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(Window());
            SetLook(true, true);
            return 0;
        case WM_MOUSEMOVE:
            TrackLeave();
            SetLook(PointInside(lParam), pressed_);
            return 0;
        case WM_LBUTTONUP: {
            bool clicked = pressed_ && PointInside(lParam);
            // A click a program sends comes with the mouse elsewhere: no hover look after it.
            SetLook(CursorOver(), false);
            if (GetCapture() == Window()) ReleaseCapture();
            if (clicked) button_.Click();
            return 0;
        }
        case WM_MOUSELEAVE:
            tracking_ = false;
            if (GetCapture() != Window()) SetLook(false, false);
            return 0;
        case WM_CAPTURECHANGED:
            if (pressed_) SetLook(hot_, false);
            break;
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

void ButtonPeer::TrackLeave() {
    if (tracking_) return;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Window(), 0};
    tracking_ = TrackMouseEvent(&track);
}

bool ButtonPeer::PointInside(LPARAM lParam) const {
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT client;
    GetClientRect(Window(), &client);
    return PtInRect(&client, point);
}

bool ButtonPeer::CursorOver() const {
    POINT cursor;
    return GetCursorPos(&cursor) && WindowFromPoint(cursor) == Window();
}

void ButtonPeer::SetLook(bool hot, bool pressed) {
    if (hot == hot_ && pressed == pressed_) return;
    hot_ = hot;
    pressed_ = pressed;
    InvalidateRect(Window(), nullptr, FALSE);
}

CheckBoxPeer::CheckBoxPeer(Win32Backend& backend, CheckBox& box)
    : WindowPeer(backend, box), box_(box) {
    if (HWND hwnd = CreateControlWindow(L"BUTTON", BS_AUTOCHECKBOX | TabStopStyle(), 0))
        SendMessageW(hwnd, BM_SETCHECK, box.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBoxPeer::OnCommand(unsigned code) {
    if (code == BN_CLICKED) box_.SetChecked(IsChecked(Window()));
}

HBRUSH CheckBoxPeer::OnCtlColor(HDC dc) {
    return PrepareTextColours(*this, dc);
}

void CheckBoxPeer::DoSync(Property what) {
    if (what != Property::Checked) return WindowPeer::DoSync(what);
    SendMessageW(Window(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

RadioButtonPeer::RadioButtonPeer(Win32Backend& backend, RadioButton& radio)
    : WindowPeer(backend, radio), radio_(radio) {
    if (CreateControlWindow(L"BUTTON", BS_AUTORADIOBUTTON, 0)) SyncCheck();
}

// The window checks itself and clears its neighbours; the model then does the same for all the
// radio buttons of the parent, and its own echo changes nothing.
void RadioButtonPeer::OnCommand(unsigned code) {
    if (code == BN_CLICKED && IsChecked(Window())) radio_.SetChecked(true);
}

HBRUSH RadioButtonPeer::OnCtlColor(HDC dc) {
    return PrepareTextColours(*this, dc);
}

void RadioButtonPeer::DoSync(Property what) {
    if (what != Property::Checked) return WindowPeer::DoSync(what);
    SyncCheck();
}

// Tab reaches a group of radio buttons at its checked one, as in the system's dialogs.
void RadioButtonPeer::SyncCheck() {
    HWND hwnd = Window();
    SendMessageW(hwnd, BM_SETCHECK, radio_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    LONG style = GetWindowLongW(hwnd, GWL_STYLE) & ~WS_TABSTOP;
    if (radio_.Checked() && radio_.TabStop()) style |= WS_TABSTOP;
    SetWindowLongW(hwnd, GWL_STYLE, style);
}

}  // namespace ui::win32
