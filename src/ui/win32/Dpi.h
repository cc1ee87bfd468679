#pragma once

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// The model's boxes and font heights are at 96 dpi.
constexpr int ModelDpi = 96;

int DpiOf(HWND hwnd);
inline int ScaleToDpi(int value, int dpi) {
    return MulDiv(value, dpi, ModelDpi);
}
// The outer size of a window of that style whose client area is width x height.
SIZE OuterSize(int width, int height, DWORD style, DWORD exStyle, int dpi);

}  // namespace ui::win32
