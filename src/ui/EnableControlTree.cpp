#include "ui/EnableControlTree.h"

#include "ui/Lists.h"

namespace ui {

void EnableControlTree(Control& control, bool enabled) {
    control.SetEnabled(enabled);
    switch (control.Kind()) {
        case ControlKind::GroupBox:
            for (Control* child : control.Children()) EnableControlTree(*child, enabled);
            break;
        case ControlKind::Edit:
            control.SetBackColor(enabled ? syscolor::Window : syscolor::BtnFace);
            break;
        case ControlKind::ListBox:
            static_cast<ListBox&>(control).SetFontColor(enabled ? syscolor::WindowText
                                                                : syscolor::GrayText);
            break;
        default:
            break;
    }
}

}  // namespace ui
