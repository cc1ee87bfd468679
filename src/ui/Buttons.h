#pragma once

#include "ui/Control.h"

namespace ui {

// A push button; flat with an opaque face when Flat is set (a speed button).
class Button : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::Button; }

    bool IsDefault() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    bool IsCancel() const { return cancel_; }
    void SetCancel(bool isCancel) { cancel_ = isCancel; }
    // A picture beside the caption: the name of a bitmap resource of ours holding the normal
    // and the greyed image side by side, on an olive background that stays transparent.
    const std::string& Glyph() const { return glyph_; }
    void SetGlyph(std::string resourceName) { glyph_ = std::move(resourceName); }
    bool Flat() const { return flat_; }
    void SetFlat(bool flat) { flat_ = flat; }

    // Runs the handler as a press of the button would.
    void Click() {
        if (OnClick) OnClick();
    }
    Handler OnClick;

private:
    bool default_ = false;
    bool cancel_ = false;
    bool flat_ = false;
    std::string glyph_;
};

// Fires OnClick whenever its state changes, from the user or from code.
class CheckBox : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::CheckBox; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // What a press of the box does: toggles it.
    void Click() { SetChecked(!checked_); }
    Handler OnClick;

private:
    bool checked_ = false;
};

// Radio buttons with the same parent exclude each other; OnClick fires when one becomes checked.
class RadioButton : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::RadioButton; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void Click() { SetChecked(true); }
    Handler OnClick;

private:
    void SetOwnState(bool checked);
    bool checked_ = false;
};

}  // namespace ui
