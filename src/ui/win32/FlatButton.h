#pragma once

#include <string>

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

struct FlatLook {
    bool Hot = false;
    bool Pressed = false;
    bool Focused = false;
    bool Enabled = true;
};

// An opaque face with no border until the mouse is over it, the caption centred in its colour.
void DrawFlatButton(HDC dc, const RECT& rect, const std::string& caption, HFONT font,
                    COLORREF textColor, HBRUSH face, const FlatLook& look);

}  // namespace ui::win32
