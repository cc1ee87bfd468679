#include "platform/win32/GuiObjects.h"

namespace gui_objects {

namespace {
int gdi = 0;
int user = 0;
}  // namespace

HFONT MakeFont(const LOGFONTW& description) {
    HFONT font = CreateFontIndirectW(&description);
    if (font) ++gdi;
    return font;
}

HBRUSH MakeSolidBrush(COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    if (brush) ++gdi;
    return brush;
}

void DeleteGdiObject(HGDIOBJ object) {
    if (object && DeleteObject(object)) --gdi;
}

HMENU MakePopupMenu() {
    HMENU menu = CreatePopupMenu();
    if (menu) ++user;
    return menu;
}

void DestroyPopupMenu(HMENU menu, int ours) {
    if (menu && DestroyMenu(menu)) user -= ours;
}

void WindowMade(HWND window) {
    if (window) ++user;
}

void WindowDestroyed() {
    --user;
}

LRESULT Live() {
    return MAKELONG(gdi, user);
}

}  // namespace gui_objects
