#pragma once

#include "ui/Canvas.h"
#include "ui/win32/Win32Api.h"
// (after them: <windows.h> first would rename Canvas::TextOut)
#include "platform/win32/GuiObjects.h"

namespace ui::win32 {

// A canvas over a device context the caller prepared (brush, colours); it selects the control's
// font and puts the context back as it found it. Fonts set through it are its own.
class DcCanvas : public Canvas {
public:
    DcCanvas(HDC dc, HFONT font);
    ~DcCanvas() override;
    DcCanvas(const DcCanvas&) = delete;
    DcCanvas& operator=(const DcCanvas&) = delete;

    void FillSolid(const Rect& rect, Color color) override;
    void FillWithCurrentBrush(const Rect& rect) override;
    void DrawIcon(int x, int y, IconHandle icon, int width, int height) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextOutClipped(const Rect& clip, int x, int y, const std::string& text) override;
    void SetFont(const Font& font) override;
    void RotateFont(int degrees) override;
    int FontHeight() override;
    int BitsPerPixel() override;
    Rect PaintArea() override;

private:
    // Selects a font the canvas made, deleting the one it replaces.
    void UseOwnFont(gui_objects::OwnedFont font);

    HDC dc_;
    HFONT font_;
    int saved_;
    // The last font set through the canvas.
    gui_objects::OwnedFont ownFont_;
};

}  // namespace ui::win32
