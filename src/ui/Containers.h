#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

// Group boxes, labels and paint boxes take no focus.
class GroupBox : public Control {
public:
    GroupBox(Control* parent, std::string name) : Control(parent, std::move(name)) {
        SetTabStop(false);
    }
    ControlKind Kind() const override { return ControlKind::GroupBox; }
    Handler OnClick;
};

// A group box that draws its own radio lines, one per item.
class RadioGroup : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::RadioGroup; }

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const { return itemIndex_; }
    // Fires OnClick when the selected line changes.
    void SetItemIndex(int index);
    Handler OnClick;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

class Page : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::Page; }
};

// The pages are its children, in order.
class PageControl : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::PageControl; }

    Page* ActivePage() const;
    void SetActivePage(Page& page);
    int ActivePageIndex() const { return activeIndex_; }
    Handler OnChange;

private:
    int activeIndex_ = 0;
};

}  // namespace ui
