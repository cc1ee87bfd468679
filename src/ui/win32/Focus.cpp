#include "ui/win32/Focus.h"

namespace ui::win32 {

namespace {

bool Usable(HWND hwnd) {
    return IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

}  // namespace

HWND FirstTabStop(HWND container) {
    for (HWND child = GetWindow(container, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!Usable(child)) continue;
        if (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            if (HWND inside = FirstTabStop(child)) return inside;
        } else if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) {
            return child;
        }
    }
    return nullptr;
}

// An unchecked automatic radio button checks itself when it gets the focus: never give it one.
bool CanTakeFocus(HWND hwnd) {
    if (!Usable(hwnd)) return false;
    LRESULT code = SendMessageW(hwnd, WM_GETDLGCODE, 0, 0);
    if (code & DLGC_RADIOBUTTON) return SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return true;
}

}  // namespace ui::win32
