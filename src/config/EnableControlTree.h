#pragma once

#include "ui/Control.h"

// Enables or disables a control; a group box takes its children along, an edit and a list box
// also change colour so that a disabled one reads as such.
void EnableControlTree(ui::Control& control, bool enabled);
