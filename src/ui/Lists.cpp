#include "ui/Lists.h"

namespace ui {

void ItemList::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    Changed(Property::Items);
}

void ItemList::AddItem(std::string item) {
    items_.push_back(std::move(item));
    Changed(Property::ItemAdded);
}

void ItemList::SetItem(int index, std::string item) {
    if (index < 0 || index >= Count()) return;
    items_[index] = std::move(item);
    Changed(Property::Items);
}

void ItemList::DeleteItem(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ >= Count()) itemIndex_ = -1;
    Changed(Property::Items);
}

void ItemList::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Changed(Property::ItemIndex);
}

DrawingHold::DrawingHold(ItemList& list) : list_(list) {
    if (list_.drawingHolds_++ == 0) list_.Changed(Property::Drawing);
}

DrawingHold::~DrawingHold() {
    if (--list_.drawingHolds_ == 0) list_.Changed(Property::Drawing);
}

void ListBox::SetFontColor(Color color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    Changed(Property::Color);
}

}  // namespace ui
