#pragma once

#include <functional>

#include "ui/Canvas.h"
#include "ui/Control.h"

namespace ui {

enum class Alignment { Left, Center };

class Label : public Control {
public:
    Label(Control* parent, std::string name) : Control(parent, std::move(name)) {
        SetTabStop(false);
    }
    ControlKind Kind() const override { return ControlKind::Label; }
    Alignment TextAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment) { alignment_ = alignment; }
    // The control that its access key focuses.
    Control* FocusControl() const { return focusControl_; }
    void SetFocusControl(Control* control) { focusControl_ = control; }
    Handler OnClick;

private:
    Alignment alignment_ = Alignment::Left;
    Control* focusControl_ = nullptr;
};

// A single-line edit; the background colour is its BackColor.
class Edit : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::Edit; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
    // Selects the whole text, ready to be typed over.
    void SelectAll() { Changed(Property::Selection); }

private:
    bool readOnly_ = false;
    int maxLength_ = 0;
};

class PaintBox : public Control {
public:
    PaintBox(Control* parent, std::string name) : Control(parent, std::move(name)) {
        SetTabStop(false);
    }
    ControlKind Kind() const override { return ControlKind::PaintBox; }
    std::function<void(PaintBox&, Canvas&)> OnPaint;
};

}  // namespace ui
