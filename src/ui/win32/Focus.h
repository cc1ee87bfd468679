#pragma once

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// The first control that Tab would reach in a container, looking into nested containers as the
// dialog manager does; null when there is none.
HWND FirstTabStop(HWND container);
bool CanTakeFocus(HWND hwnd);

}  // namespace ui::win32
