#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Geometry.h"

namespace ui {

class Canvas;
class ImageList;

class MenuItem {
public:
    MenuItem(MenuItem* parent, std::string name, std::string caption);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    MenuItem* Parent() const { return parent_; }
    const std::vector<MenuItem*>& Items() const { return items_; }
    bool IsSeparator() const { return Caption == "-"; }

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
    MenuItem* parent_;
    std::vector<MenuItem*> items_;
};

// No fill at all, as a background colour.
constexpr Color NoBackground = 0x1FFFFFFF;

// How an owner-drawn item is drawn; the item-parameters hook may change any of it.
struct MenuItemParams {
    bool Selected = false;  // the state: never while measuring
    bool Bold = false;
    Color TextColor = 0;
    Color Background = 0;
    // Drawn when the item has no image of its own: an icon at its own size, or an image of the
    // menu's list. Neither is owned by the menu.
    IconHandle Picture = nullptr;
    int PictureImage = -1;
};

// A popup menu; its root item holds the entries.
class PopupMenu {
public:
    explicit PopupMenu(std::string name) : root_(nullptr, std::move(name), {}) {}
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    MenuItem& Root() { return root_; }
    bool IsTopLevel(const MenuItem& item) const { return item.Parent() == &root_; }
    ImageList* Images = nullptr;

    // Owner drawing: every item is measured and painted by the toolkit, which raises the hooks
    // below. The top-level items leave a strip LeftMargin wide at their left for OnDrawMargin.
    bool OwnerDraw = false;
    int LeftMargin = 0;
    // Selected items take the menu highlight colour, as the system's flat menus have them.
    bool FlatMenus = false;
    int MinTextOffset = 0;
    std::function<void(MenuItem&, MenuItemParams&)> OnGetItemParams;
    std::function<void(MenuItem&, int& width, int& height)> OnMeasureItem;
    std::function<void(Canvas&, const Rect& strip)> OnDrawMargin;

    // Shows the menu at a screen point; returns when it has closed and its command has run.
    // Once at a time: asked again meanwhile (its loop runs the program's messages), it does
    // nothing.
    void Popup(Point at);
    bool IsOpen() const { return open_; }
    // Closes the menu while it is open (from a message handled meanwhile).
    void Close();
    Handler OnPopup;

private:
    MenuItem root_;
    bool open_ = false;
};

}  // namespace ui
