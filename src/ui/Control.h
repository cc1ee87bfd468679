#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "types/Handles.h"
#include "ui/Font.h"
#include "ui/Geometry.h"

namespace ui {

enum class ControlKind {
    Form,
    PageControl,
    Page,
    GroupBox,
    RadioGroup,
    CheckBox,
    RadioButton,
    Button,
    Label,
    Edit,
    ListBox,
    ComboBox,
    PaintBox,
    FolderTree,
};

// What changed in a control, so that a backend can bring its window in step.
enum class Property {
    Caption,
    Enabled,
    Visible,
    Bounds,
    Hint,
    Checked,
    Items,
    ItemAdded,  // one more item at the end, the others as they were
    Drawing,    // a list's lines drawn as they come, or held back
    ItemIndex,
    Color,
    Font,
    ActivePage,
    Invalidate,
    TopMost,
    Focus,
    Selection,
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Sync(Property what) = 0;
    virtual WindowHandle Handle() const = 0;
};

using Handler = std::function<void()>;

// The edges of its parent a control keeps its distance to when the parent changes size. Anchored
// to both sides of a direction, it stretches; to neither, it stays where it is.
enum Anchor : unsigned { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

// A control holds its own state; a backend peer, when there is one, mirrors it into a window.
// Children are kept in creation order, which is also their tab and z-order.
class Control {
public:
    Control(Control* parent, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlKind Kind() const = 0;

    const std::string& Name() const { return name_; }
    Control* Parent() const { return parent_; }
    const std::vector<Control*>& Children() const { return children_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Box, caption and hint at once, as a layout gives them.
    void Place(Box bounds, std::string caption = {}, std::string hint = {});
    const Box& Bounds() const { return bounds_; }
    // Moves and sizes the control; its anchored children follow a change of size.
    void SetBounds(Box bounds);
    unsigned Anchors() const { return anchors_; }
    void SetAnchors(unsigned anchors) { anchors_ = anchors; }
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color color);
    // The control's own font, or the parent's when it has none.
    const Font& EffectiveFont() const;
    void SetFont(Font font);
    bool HasOwnFont() const { return ownFont_; }
    // Asks the backend to repaint the control.
    void Invalidate() { Changed(Property::Invalidate); }
    // Gives the control the keyboard focus.
    void SetFocus() { Changed(Property::Focus); }

    ControlPeer* Peer() const { return peer_.get(); }
    void AttachPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }

protected:
    void Changed(Property what) {
        if (peer_) peer_->Sync(what);
    }

private:
    void FollowParent(int grownWidth, int grownHeight);

    Control* parent_;
    std::string name_;
    std::vector<Control*> children_;
    std::string caption_;
    std::string hint_;
    Box bounds_;
    Font font_;
    bool ownFont_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_ = true;
    int tag_ = 0;
    unsigned anchors_ = AnchorLeft | AnchorTop;
    Color backColor_ = syscolor::BtnFace;
    std::unique_ptr<ControlPeer> peer_;
};

}  // namespace ui
