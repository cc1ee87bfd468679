#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Control.h"

namespace ui {

class PopupMenu;

// Lines with a current index (-1: none).
class ItemList : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void AddItem(std::string item);
    void SetItem(int index, std::string item);
    void DeleteItem(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    int ItemIndex() const { return itemIndex_; }
    // Changes the selection without firing anything, as setting it from code does.
    void SetItemIndex(int index);
    bool DrawingHeld() const { return drawingHolds_ > 0; }

private:
    friend class DrawingHold;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int drawingHolds_ = 0;
};

// While one lives, the lines added to a list are not drawn one by one, each with its scroll bar
// reset: they are drawn together when the last hold ends.
class DrawingHold {
public:
    explicit DrawingHold(ItemList& list);
    ~DrawingHold();
    DrawingHold(const DrawingHold&) = delete;
    DrawingHold& operator=(const DrawingHold&) = delete;

private:
    ItemList& list_;
};

// A drop-down list (no typing).
class ComboBox : public ItemList {
public:
    using ItemList::ItemList;
    ControlKind Kind() const override { return ControlKind::ComboBox; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = count; }
    // The user picked a line.
    Handler OnChange;

private:
    int dropDownCount_ = 8;
};

struct DrawItemState {
    bool Selected = false;
    bool Focused = false;
};

class ListBox : public ItemList {
public:
    using ItemList::ItemList;
    ControlKind Kind() const override { return ControlKind::ListBox; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height) { itemHeight_ = height; }
    bool OwnerDraw() const { return static_cast<bool>(OnDrawItem); }
    Color FontColor() const { return fontColor_; }
    void SetFontColor(Color color);

    Handler OnClick;
    Handler OnDblClick;
    Handler OnExit;
    // The canvas comes with the line's brush and text colour ready.
    std::function<void(ListBox&, Canvas&, int index, const Rect&, DrawItemState)> OnDrawItem;
    // Virtual key and whether Ctrl was down; true when the key is used up, so that the list
    // does not act on it as well.
    std::function<bool(unsigned key, bool ctrl)> OnKeyDown;
    // Shown on a right click in the list, at the cursor.
    PopupMenu* ContextMenu = nullptr;

private:
    int itemHeight_ = 13;
    Color fontColor_ = syscolor::WindowText;
};

}  // namespace ui
