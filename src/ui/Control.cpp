#include "ui/Control.h"

#include <algorithm>

namespace ui {

Control::Control(Control* parent, std::string name) : parent_(parent), name_(std::move(name)) {
    if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
    peer_.reset();
    if (parent_) std::erase(parent_->children_, this);
}

void Control::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    Changed(Property::Caption);
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed(Property::Enabled);
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed(Property::Visible);
}

void Control::Place(Box bounds, std::string caption, std::string hint) {
    SetBounds(bounds);
    SetCaption(std::move(caption));
    SetHint(std::move(hint));
}

void Control::SetBounds(Box bounds) {
    if (bounds == bounds_) return;
    int grownWidth = bounds.Width - bounds_.Width, grownHeight = bounds.Height - bounds_.Height;
    bounds_ = bounds;
    Changed(Property::Bounds);
    if (grownWidth == 0 && grownHeight == 0) return;
    for (Control* child : children_) child->FollowParent(grownWidth, grownHeight);
}

void Control::FollowParent(int grownWidth, int grownHeight) {
    Box box = bounds_;
    if (anchors_ & AnchorRight) (anchors_ & AnchorLeft ? box.Width : box.Left) += grownWidth;
    if (anchors_ & AnchorBottom) (anchors_ & AnchorTop ? box.Height : box.Top) += grownHeight;
    SetBounds(box);
}

void Control::SetHint(std::string hint) {
    if (hint == hint_) return;
    hint_ = std::move(hint);
    Changed(Property::Hint);
}

void Control::SetBackColor(Color color) {
    if (color == backColor_) return;
    backColor_ = color;
    Changed(Property::Color);
}

const Font& Control::EffectiveFont() const {
    static const Font systemDefault;
    if (ownFont_ || !parent_) return ownFont_ ? font_ : systemDefault;
    return parent_->EffectiveFont();
}

void Control::SetFont(Font font) {
    font_ = std::move(font);
    ownFont_ = true;
    Changed(Property::Font);
}

}  // namespace ui
