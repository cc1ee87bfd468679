#pragma once

#include "platform/win32/GuiObjects.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// A new font like `font` whose text is turned by `degrees`, counterclockwise.
gui_objects::OwnedFont CreateRotatedFont(HFONT font, int degrees);

}  // namespace ui::win32
