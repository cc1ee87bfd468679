#pragma once

#include <string>

#include "types/Handles.h"
#include "ui/Font.h"
#include "ui/Geometry.h"

namespace ui {

// The drawing surface handed to paint and item-drawing handlers.
class Canvas {
public:
    virtual ~Canvas() = default;
    // Fills with a new solid brush of that colour by pattern copy, then deletes the brush.
    virtual void FillSolid(const Rect& rect, Color color) = 0;
    // Fills with the brush the control prepared (highlight for a selected list line).
    virtual void FillWithCurrentBrush(const Rect& rect) = 0;
    // A width and height of 0 draw the icon at its own size.
    virtual void DrawIcon(int x, int y, IconHandle icon, int width, int height) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Text that stays inside `clip`.
    virtual void TextOutClipped(const Rect& clip, int x, int y, const std::string& text) = 0;
    // The font and colour of the texts that follow.
    virtual void SetFont(const Font& font) = 0;
    // Replaces the current font by a copy turned by that many degrees, counterclockwise.
    virtual void RotateFont(int degrees) = 0;
    // The character height of the current font, negative as the system gives it.
    virtual int FontHeight() = 0;
    virtual int BitsPerPixel() = 0;
    // The client area of the window being painted, in device pixels.
    virtual Rect PaintArea() = 0;
};

}  // namespace ui
