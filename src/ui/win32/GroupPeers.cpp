#include "ui/win32/GroupPeers.h"

#include "ui/win32/ButtonPeers.h"
#include "ui/win32/FormPeer.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"

namespace ui::win32 {

GroupBoxPeer::GroupBoxPeer(Win32Backend& backend, Control& group) : WindowPeer(backend, group) {
    CreateControlWindow(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

HBRUSH GroupBoxPeer::OnCtlColor(HDC dc) {
    return PrepareTextColours(*this, dc);
}

LRESULT GroupBoxPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto routed = RouteFromChild(message, wParam, lParam)) return *routed;
    switch (message) {
        // A group box is normally transparent to the mouse; this one is clickable.
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_LBUTTONDOWN:
            OnSurfaceClick();
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
            return 0;
        // Being a parent, it must paint what lies between its children itself.
        case WM_ERASEBKGND:
            return FillBackground(reinterpret_cast<HDC>(wParam));
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

void GroupBoxPeer::OnSurfaceClick() {
    auto& group = static_cast<GroupBox&>(Model());
    if (group.OnClick) group.OnClick();
}

RadioGroupPeer::RadioGroupPeer(Win32Backend& backend, RadioGroup& group)
    : GroupBoxPeer(backend, group), group_(group) {
    if (Window()) MakeButtons();
}

void RadioGroupPeer::MakeButtons() {
    for (HWND button : buttons_) DestroyWindow(button);
    buttons_.clear();
    DWORD disabled = group_.Enabled() ? 0 : WS_DISABLED;
    for (size_t i = 0; i < group_.Items().size(); ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_AUTORADIOBUTTON | disabled;
        if (i == 0) style |= WS_GROUP;
        HWND button = CreateWindowExW(
            0, L"BUTTON", Widen(group_.Items()[i]).c_str(), style, 0, 0, 0, 0, Window(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(OwnerForm()->NextId())),
            TheBackend().Instance(), nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
        buttons_.push_back(button);
    }
    LayOut();
    SyncChecks();
}

// Below the caption's line, each button gets an equal share of the height, the remainder split
// above and below.
void RadioGroupPeer::LayOut() {
    if (buttons_.empty()) return;
    HDC dc = GetDC(Window());
    HGDIOBJ previous = SelectObject(dc, FontHandle());
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(Window(), dc);

    RECT client;
    GetClientRect(Window(), &client);
    int count = static_cast<int>(buttons_.size());
    int spare = client.bottom - metrics.tmHeight - Scale(5);
    int share = spare > 0 ? spare / count : 0;
    int top = metrics.tmHeight + 1 + (spare > 0 ? spare % count / 2 : 0);
    int left = Scale(8);
    int width = client.right - Scale(10);
    for (int i = 0; i < count; ++i)
        MoveWindow(buttons_[i], left, top + i * share, width > 0 ? width : 0, share, TRUE);
}

// The checked line is the group's tab stop, or the first when none is.
void RadioGroupPeer::SyncChecks() {
    int checked = group_.ItemIndex();
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        HWND button = buttons_[i];
        SendMessageW(button, BM_SETCHECK, i == checked ? BST_CHECKED : BST_UNCHECKED, 0);
        LONG style = GetWindowLongW(button, GWL_STYLE) & ~WS_TABSTOP;
        if (i == (checked >= 0 ? checked : 0)) style |= WS_TABSTOP;
        SetWindowLongW(button, GWL_STYLE, style);
    }
}

int RadioGroupPeer::IndexOf(HWND button) const {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i] == button) return static_cast<int>(i);
    }
    return -1;
}

void RadioGroupPeer::ApplyFont() {
    WindowPeer::ApplyFont();
    for (HWND button : buttons_)
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
    LayOut();
}

void RadioGroupPeer::DoSync(Property what) {
    switch (what) {
        case Property::Items:
            MakeButtons();
            break;
        case Property::ItemIndex:
            SyncChecks();
            break;
        case Property::Bounds:
            Place();
            LayOut();
            break;
        case Property::Enabled:
            // A disabled parent would only stop the mouse; the lines must look disabled too.
            WindowPeer::DoSync(what);
            for (HWND button : buttons_) EnableWindow(button, group_.Enabled());
            break;
        default:
            WindowPeer::DoSync(what);
            break;
    }
}

LRESULT RadioGroupPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        auto button = reinterpret_cast<HWND>(lParam);
        int index = IndexOf(button);
        if (index >= 0) {
            if (!Syncing() && SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                group_.SetItemIndex(index);
            return 0;
        }
    }
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        if (IndexOf(reinterpret_cast<HWND>(lParam)) >= 0)
            return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam)));
    }
    return GroupBoxPeer::WndProc(message, wParam, lParam);
}

}  // namespace ui::win32
