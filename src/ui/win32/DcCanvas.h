#pragma once

#include "ui/Canvas.h"
#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// A canvas over a device context the caller prepared (brush, colours); it selects the control's
// font and puts the context back as it found it.
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
    int FontHeight() override;
    int BitsPerPixel() override;
    Rect PaintArea() override;

private:
    HDC dc_;
    HFONT font_;
    int saved_;
};

}  // namespace ui::win32
