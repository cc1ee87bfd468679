#include "ui/Buttons.h"

namespace ui {

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Changed(Property::Checked);
    if (OnClick) OnClick();
}

void RadioButton::SetOwnState(bool checked) {
    checked_ = checked;
    Changed(Property::Checked);
}

void RadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    if (checked && Parent()) {
        for (Control* sibling : Parent()->Children()) {
            if (sibling != this && sibling->Kind() == ControlKind::RadioButton)
                static_cast<RadioButton*>(sibling)->SetOwnState(false);
        }
    }
    SetOwnState(checked);
    if (checked && OnClick) OnClick();
}

}  // namespace ui
