#pragma once

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// The model's boxes and font heights are at 96 dpi.
constexpr int ModelDpi = 96;

int DpiOf(HWND hwnd);
inline int ScaleToDpi(int value, int dpi) {
    return MulDiv(value, dpi, ModelDpi);
}
// Font heights are pixels at 96 dpi, where -11 stands for 8 points. At another dpi the font keeps
// its size in whole points, as the system's own dialogs do: 8 points are 16 pixels at 144 dpi,
// where scaling the pixels would give 17 and push long captions out of their boxes.
inline int FontHeightToDpi(int height, int dpi) {
    if (dpi == ModelDpi) return height;
    return MulDiv(MulDiv(height, 72, ModelDpi), dpi, 72);
}
// The outer size of a window of that style whose client area is width x height.
SIZE OuterSize(int width, int height, DWORD style, DWORD exStyle, int dpi);

}  // namespace ui::win32
