#include "ui/win32/PaintBoxPeer.h"

#include "ui/win32/DcCanvas.h"
#include "ui/win32/WindowClasses.h"

namespace ui::win32 {

PaintBoxPeer::PaintBoxPeer(Win32Backend& backend, PaintBox& box)
    : WindowPeer(backend, box), box_(box) {
    CreateControlWindow(PaintBoxClass, 0, 0);
}

LRESULT PaintBoxPeer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return FillBackground(reinterpret_cast<HDC>(wParam));
        case WM_PAINT:
            Paint();
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(FontHandle());
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

void PaintBoxPeer::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window(), &paint);
    if (box_.OnPaint) {
        DcCanvas canvas(dc, FontHandle());
        box_.OnPaint(box_, canvas);
    }
    EndPaint(Window(), &paint);
}

}  // namespace ui::win32
