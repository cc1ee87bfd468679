#include "ui/win32/ListPeers.h"

#include <windowsx.h>

#include "ui/Menu.h"
#include "ui/win32/DcCanvas.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/WideText.h"
#include "ui/win32/Win32Backend.h"

namespace ui::win32 {

ListBoxPeer::ListBoxPeer(Win32Backend& backend, ListBox& list)
    : WindowPeer(backend, list), list_(list) {
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | TabStopStyle();
    if (list.OwnerDraw()) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    HWND hwnd = CreateControlWindow(L"LISTBOX", style, WS_EX_CLIENTEDGE);
    if (!hwnd) return;
    SetLineHeight();
    FillLines();
}

void ListBoxPeer::SetLineHeight() {
    if (list_.OwnerDraw()) SendMessageW(Window(), LB_SETITEMHEIGHT, 0, Scale(list_.ItemHeight()));
}

void ListBoxPeer::ApplyFont() {
    WindowPeer::ApplyFont();
    SetLineHeight();
}

void ListBoxPeer::FillLines() {
    HWND hwnd = Window();
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : list_.Items())
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(hwnd, LB_SETCURSEL, list_.ItemIndex(), 0);
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ListBoxPeer::OnCommand(unsigned code) {
    switch (code) {
        case LBN_SELCHANGE:
            list_.SetItemIndex(static_cast<int>(SendMessageW(Window(), LB_GETCURSEL, 0, 0)));
            if (list_.OnClick) list_.OnClick();
            break;
        case LBN_DBLCLK:
            if (list_.OnDblClick) list_.OnDblClick();
            break;
        case LBN_KILLFOCUS:
            if (list_.OnExit) list_.OnExit();
            break;
        default:
            break;
    }
}

// The handler gets the line's brush and text colour ready in the context: highlight for the
// selected line, the window's and the list's font colour otherwise. The whole line is drawn each
// time, the focus rectangle last.
void ListBoxPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    bool selected = item.itemState & ODS_SELECTED;
    bool focused = item.itemState & ODS_FOCUS;
    int saved = SaveDC(dc);
    SelectObject(dc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ToColorRef(list_.FontColor()));
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const RECT& line = item.rcItem;
    int index = static_cast<int>(item.itemID);
    {
        DcCanvas canvas(dc, FontHandle());
        Rect rect{line.left, line.top, line.right, line.bottom};
        if (index >= 0 && index < list_.Count() && list_.OnDrawItem) {
            list_.OnDrawItem(list_, canvas, index, rect, {selected, focused});
        } else {
            canvas.FillWithCurrentBrush(rect);
        }
    }
    RestoreDC(dc, saved);
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &line);
}

HBRUSH ListBoxPeer::OnCtlColor(HDC dc) {
    SetTextColor(dc, ToColorRef(list_.FontColor()));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

void ListBoxPeer::DoSync(Property what) {
    switch (what) {
        case Property::Items:
            FillLines();
            break;
        // Only the new line: refilling the list at each of n additions would cost n² lines.
        case Property::ItemAdded:
            SendMessageW(Window(), LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Widen(list_.Items().back()).c_str()));
            break;
        case Property::ItemIndex:
            SendMessageW(Window(), LB_SETCURSEL, list_.ItemIndex(), 0);
            break;
        case Property::Drawing:
            SendMessageW(Window(), WM_SETREDRAW, !list_.DrawingHeld(), 0);
            if (!list_.DrawingHeld()) InvalidateRect(Window(), nullptr, TRUE);
            break;
        default:
            WindowPeer::DoSync(what);
            break;
    }
}

// The handler sees the key before the list moves its selection for it, and may use it up.
LRESULT ListBoxPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && list_.OnKeyDown &&
        list_.OnKeyDown(static_cast<unsigned>(wParam), GetKeyState(VK_CONTROL) < 0))
        return 0;
    if (message == WM_CONTEXTMENU && list_.ContextMenu) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        // From the keyboard the menu comes at the list's corner.
        if (at.x == -1 && at.y == -1) {
            at = {0, 0};
            ClientToScreen(Window(), &at);
        }
        list_.ContextMenu->Popup({at.x, at.y});
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

ComboBoxPeer::ComboBoxPeer(Win32Backend& backend, ComboBox& combo)
    : WindowPeer(backend, combo), combo_(combo) {
    HWND hwnd = CreateControlWindow(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | TabStopStyle(), 0);
    if (!hwnd) return;
    SendMessageW(hwnd, CB_SETMINVISIBLE, combo.DropDownCount(), 0);
    // The list's height is known now that the window has its font.
    Place();
    FillLines();
}

// The older controls take the dropped list's height from the window's.
RECT ComboBoxPeer::Placement() const {
    RECT place = WindowPeer::Placement();
    int line =
        Window() ? static_cast<int>(SendMessageW(Window(), CB_GETITEMHEIGHT, 0, 0)) : Scale(13);
    place.bottom += combo_.DropDownCount() * line + 2;
    return place;
}

void ComboBoxPeer::FillLines() {
    HWND hwnd = Window();
    SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : combo_.Items())
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(hwnd, CB_SETCURSEL, combo_.ItemIndex(), 0);
}

void ComboBoxPeer::OnCommand(unsigned code) {
    if (code != CBN_SELCHANGE) return;
    combo_.SetItemIndex(static_cast<int>(SendMessageW(Window(), CB_GETCURSEL, 0, 0)));
    if (combo_.OnChange) combo_.OnChange();
}

void ComboBoxPeer::DoSync(Property what) {
    switch (what) {
        case Property::Items:
        case Property::ItemAdded:
            FillLines();
            break;
        case Property::ItemIndex:
            SendMessageW(Window(), CB_SETCURSEL, combo_.ItemIndex(), 0);
            break;
        default:
            WindowPeer::DoSync(what);
            break;
    }
}

}  // namespace ui::win32
