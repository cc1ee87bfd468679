#pragma once

#include <string>

#include "types/Cp1252.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

using ::Narrow;
using ::Widen;
std::string WindowText(HWND hwnd);
void SetWindowTextIfChanged(HWND hwnd, const std::string& text);

}  // namespace ui::win32
