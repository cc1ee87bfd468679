#include "config/EnableControlTree.h"

#include "ui/Lists.h"

void EnableControlTree(ui::Control& control, bool enabled) {
    control.SetEnabled(enabled);
    switch (control.Kind()) {
        case ui::ControlKind::GroupBox:
            for (ui::Control* child : control.Children()) EnableControlTree(*child, enabled);
            break;
        case ui::ControlKind::Edit:
            control.SetBackColor(enabled ? ui::syscolor::Window : ui::syscolor::BtnFace);
            break;
        case ui::ControlKind::ListBox:
            static_cast<ui::ListBox&>(control).SetFontColor(enabled ? ui::syscolor::WindowText
                                                                    : ui::syscolor::GrayText);
            break;
        default:
            break;
    }
}
