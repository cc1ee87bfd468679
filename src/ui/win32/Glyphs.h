#pragma once

#include <memory>
#include <string>

#include "ui/win32/OwnedImageList.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// A button's pictures, one per button state, from a bitmap resource holding the normal and the
// greyed image side by side on an olive background; null when the resource is missing.
OwnedImageList LoadButtonGlyphs(HINSTANCE instance, const std::string& name);

// Puts a push button's picture and its caption (left-aligned, BS_LEFT) together in the middle of
// the button, `spacing` pixels apart. The system's own layout centres the caption alone in what
// the picture leaves, so that a long caption touches the picture. Again after each change of the
// caption, the font or the size.
void CentreGlyphAndCaption(HWND button, HIMAGELIST glyphs, HFONT font, int spacing);

}  // namespace ui::win32
