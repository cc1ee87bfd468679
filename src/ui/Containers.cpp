#include "ui/Containers.h"

#include <algorithm>

namespace ui {

void RadioGroup::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
    Changed(Property::Items);
}

void RadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Changed(Property::ItemIndex);
    if (OnClick) OnClick();
}

Page* PageControl::ActivePage() const {
    if (activeIndex_ < 0 || activeIndex_ >= static_cast<int>(Children().size())) return nullptr;
    return static_cast<Page*>(Children()[activeIndex_]);
}

void PageControl::SetActivePage(Page& page) {
    auto it = std::find(Children().begin(), Children().end(), &page);
    if (it == Children().end()) return;
    int index = static_cast<int>(it - Children().begin());
    if (index == activeIndex_) return;
    activeIndex_ = index;
    Changed(Property::ActivePage);
    if (OnChange) OnChange();
}

}  // namespace ui
