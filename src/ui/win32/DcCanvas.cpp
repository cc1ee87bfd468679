#include "ui/win32/DcCanvas.h"

#include <utility>

#include "ui/win32/Dpi.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/RotatedFont.h"
#include "ui/win32/WideText.h"

namespace ui::win32 {

DcCanvas::DcCanvas(HDC dc, HFONT font) : dc_(dc), font_(font), saved_(SaveDC(dc)) {
    if (font_) SelectObject(dc_, font_);
}

DcCanvas::~DcCanvas() {
    RestoreDC(dc_, saved_);
}

void DcCanvas::FillSolid(const Rect& rect, Color color) {
    gui_objects::OwnedBrush brush(CreateSolidBrush(ToColorRef(color)));
    HGDIOBJ previous = SelectObject(dc_, brush.Get());
    PatBlt(dc_, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top, PATCOPY);
    SelectObject(dc_, previous);
}

void DcCanvas::FillWithCurrentBrush(const Rect& rect) {
    PatBlt(dc_, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top, PATCOPY);
}

void DcCanvas::DrawIcon(int x, int y, IconHandle icon, int width, int height) {
    DrawIconEx(dc_, x, y, icon, width, height, 0, nullptr, DI_NORMAL);
}

void DcCanvas::TextOut(int x, int y, const std::string& text) {
    std::wstring wide = Widen(text);
    SetBkMode(dc_, TRANSPARENT);
    TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void DcCanvas::TextOutClipped(const Rect& clip, int x, int y, const std::string& text) {
    std::wstring wide = Widen(text);
    RECT bounds{clip.Left, clip.Top, clip.Right, clip.Bottom};
    SetBkMode(dc_, TRANSPARENT);
    ExtTextOutW(dc_, x, y, ETO_CLIPPED, &bounds, wide.c_str(), static_cast<UINT>(wide.size()),
                nullptr);
}

void DcCanvas::SetFont(const Font& font) {
    int height = FontHeightToDpi(font.Height, GetDeviceCaps(dc_, LOGPIXELSY));
    const LOGFONTW description = FontDescription(font, height, Widen(font.Face));
    UseOwnFont(gui_objects::OwnedFont(CreateFontIndirectW(&description)));
    SetTextColor(dc_, ToColorRef(font.TextColor));
}

void DcCanvas::RotateFont(int degrees) {
    auto current = static_cast<HFONT>(GetCurrentObject(dc_, OBJ_FONT));
    UseOwnFont(CreateRotatedFont(current, degrees));
}

void DcCanvas::UseOwnFont(gui_objects::OwnedFont font) {
    if (!font) return;
    SelectObject(dc_, font.Get());
    ownFont_ = std::move(font);
}

int DcCanvas::FontHeight() {
    HGDIOBJ font = font_ ? font_ : GetCurrentObject(dc_, OBJ_FONT);
    LOGFONTW logFont = {};
    if (!font || !GetObjectW(font, sizeof logFont, &logFont)) return 0;
    return logFont.lfHeight;
}

int DcCanvas::BitsPerPixel() {
    return GetDeviceCaps(dc_, BITSPIXEL) * GetDeviceCaps(dc_, PLANES);
}

Rect DcCanvas::PaintArea() {
    RECT client{};
    if (HWND window = WindowFromDC(dc_)) GetClientRect(window, &client);
    return {client.left, client.top, client.right, client.bottom};
}

}  // namespace ui::win32
