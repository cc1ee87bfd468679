#include "ui/Menu.h"

#include "ui/Backend.h"

namespace ui {

MenuItem::MenuItem(MenuItem* parent, std::string name, std::string caption)
    : Caption(std::move(caption)), name_(std::move(name)), parent_(parent) {
    if (parent) parent->items_.push_back(this);
}

void PopupMenu::Popup(Point at) {
    if (open_) return;
    open_ = true;
    if (OnPopup) OnPopup();
    CurrentBackend().TrackPopup(*this, at);
    open_ = false;
}

void PopupMenu::Close() {
    CurrentBackend().CloseMenus();
}

}  // namespace ui
