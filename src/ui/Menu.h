#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Geometry.h"

namespace ui {

class ImageList;

class MenuItem {
public:
    MenuItem(MenuItem* parent, std::string name, std::string caption);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::vector<MenuItem*>& Items() const { return items_; }

    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    bool Default = false;
    int ImageIndex = -1;
    int Tag = 0;

    // Runs the command as choosing the item would; for an item with a submenu, raised as the
    // submenu opens.
    void Click() {
        if (OnClick) OnClick();
    }
    Handler OnClick;

private:
    std::string name_;
    std::vector<MenuItem*> items_;
};

// A popup menu; its root item holds the entries.
class PopupMenu {
public:
    explicit PopupMenu(std::string name) : root_(nullptr, std::move(name), {}) {}
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    MenuItem& Root() { return root_; }
    ImageList* Images = nullptr;

    // Shows the menu at a screen point; returns when it has closed.
    void Popup(Point at);
    // Closes the menu while it is open (from a message handled meanwhile).
    void Close();
    Handler OnPopup;

private:
    MenuItem root_;
};

}  // namespace ui
