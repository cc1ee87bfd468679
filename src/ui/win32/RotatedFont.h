#pragma once

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// A new font like `font` whose text is turned by `degrees`, counterclockwise; the caller owns
// it.
HFONT CreateRotatedFont(HFONT font, int degrees);

}  // namespace ui::win32
