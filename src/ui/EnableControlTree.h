#pragma once

#include "ui/Control.h"

namespace ui {

// Enables or disables a control; a group box takes its children along, an edit and a list box
// also change colour so that a disabled one reads as such.
void EnableControlTree(Control& control, bool enabled);

}  // namespace ui
