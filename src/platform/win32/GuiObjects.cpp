#include "platform/win32/GuiObjects.h"

#include <utility>

namespace gui_objects {

namespace {
int gdi = 0;
int user = 0;
}  // namespace

OwnedGdiObject::OwnedGdiObject(HGDIOBJ made) : object_(made) {
    if (object_) ++gdi;
}

OwnedGdiObject::~OwnedGdiObject() {
    if (object_ && DeleteObject(object_)) --gdi;
}

OwnedGdiObject::OwnedGdiObject(OwnedGdiObject&& other) noexcept
    : object_(std::exchange(other.object_, nullptr)) {}

// The object it held goes at once, with `taken`.
OwnedGdiObject& OwnedGdiObject::operator=(OwnedGdiObject&& other) noexcept {
    OwnedGdiObject taken(std::move(other));
    std::swap(object_, taken.object_);
    return *this;
}

OwnedMenu OwnedMenu::MakePopup() {
    OwnedMenu made;
    made.menu_ = CreatePopupMenu();
    if (made.menu_) made.ours_ = 1;
    user += made.ours_;
    return made;
}

OwnedMenu::~OwnedMenu() {
    if (menu_ && DestroyMenu(menu_)) user -= ours_;
}

OwnedMenu::OwnedMenu(OwnedMenu&& other) noexcept
    : menu_(std::exchange(other.menu_, nullptr)), ours_(std::exchange(other.ours_, 0)) {}

OwnedMenu& OwnedMenu::operator=(OwnedMenu&& other) noexcept {
    OwnedMenu taken(std::move(other));
    std::swap(menu_, taken.menu_);
    std::swap(ours_, taken.ours_);
    return *this;
}

void OwnedMenu::AppendSubmenu(UINT flags, OwnedMenu submenu, LPCWSTR content) {
    if (!AppendMenuW(menu_, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.menu_), content))
        return;
    ours_ += std::exchange(submenu.ours_, 0);
    submenu.menu_ = nullptr;
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
